// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A multi-line text field whose focus is drawn: a dotted frame inside its
// border while it has the keyboard focus, as the tab row marks its tab (the
// skin paints the border itself, so the style's own focus frame never shows).

#include <QPlainTextEdit>

namespace lirem::ui {

class Memo final : public QPlainTextEdit {
public:
    explicit Memo(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace lirem::ui
