// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The off-screen image that skinned painting composes in. One per skinned
// window, owned by the window's skin component, so nothing is global.

#include <QImage>
#include <QObject>
#include <QSize>

namespace lirem::skin {

class SkinScratch : public QObject {
    Q_OBJECT
public:
    explicit SkinScratch(QObject* parent = nullptr);

    // The image, at least size large; the caller composes in its top-left
    // size-sized part. Grows only, so painting controls of different sizes in
    // turn does not reallocate every time.
    QImage& Image(QSize size);

    // The scratch of owner, created as its child on first use. With no owner
    // there is nothing to share, and nullptr is returned.
    static SkinScratch* Of(QObject* owner);

private:
    QImage image_;
};

} // namespace lirem::skin
