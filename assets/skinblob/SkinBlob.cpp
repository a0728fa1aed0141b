// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/skinblob/SkinBlob.h"

#include <QFile>

namespace lirem::skin {

QByteArray NumeroSkinStream() {
    QFile file(QString::fromLatin1(kNumeroSkinResource));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace lirem::skin
