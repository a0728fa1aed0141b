// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's label. A result label is announced by its accessible name,
// its caption together with its number (kept up to date by SpokenResults),
// while its text alone, the number it shows, is its accessible value. A label
// without an accessible name is announced by its own text, as any label. Its
// accessible interface is registered when it is built.

#include <QLabel>

namespace lirem::ui {

class ValueLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ValueLabel(const QString& text, QWidget* parent = nullptr);

    // A label that grows with its text moves left as far as it must to end
    // before x (in its parent); 0: it grows to the right only.
    void SetRightBound(int x) { rightBound_ = x; }
    // Sizes the label to its text, kept left of its right bound.
    void FitToText();

private:
    [[nodiscard]] QSize OneLineSize() const; // invalid when the toolkit must size the label

    int rightBound_ = 0;
};

} // namespace lirem::ui
