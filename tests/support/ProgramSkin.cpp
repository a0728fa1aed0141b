// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/skinblob/SkinBlob.h"
#include "tests/support/SkinImages.h"

namespace lirem::skin::test {

std::unique_ptr<TSkinData> LoadProgramSkin() {
    auto data = std::make_unique<TSkinData>();
    data->ReadSkinStreamFrom(QString::fromLatin1(kNumeroSkinResource));
    return data;
}

} // namespace lirem::skin::test
