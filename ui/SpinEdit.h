// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Integer field with up/down arrows, as the window's date fields need it:
//  - typing accepts digits, "+", "-" and the locale's decimal separator only;
//    anything else is refused with a beep; the text has a length limit;
//  - the value is the text read as a decimal integer, the minimum when the
//    text is no integer (empty, a lone sign, a decimal separator);
//  - arrows and Up/Down set value +/- 1 brought into the range;
//  - moving the focus to another control of the window brings an
//    out-of-range value into the range (a message box or another window
//    taking the focus leaves it as typed);
//  - Enter is left to the page (it presses the page's default button) and
//    does not touch the text, so a raw out-of-range value reaches the handler.
// Assistive technology reads the value, minimum and maximum from the
// properties below, and hears of every change of the value.

#include <QAbstractSpinBox>

#include <cstdint>

namespace lirem::ui {

class SpinEdit final : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(int value READ Value WRITE SetValue)
    Q_PROPERTY(int minimum READ Minimum CONSTANT)
    Q_PROPERTY(int maximum READ Maximum CONSTANT)
    Q_PROPERTY(int singleStep READ SingleStep CONSTANT)
public:
    SpinEdit(std::int32_t minimum, std::int32_t maximum, int maxLength, QWidget* parent = nullptr);

    // The text read as an integer, unclamped; the minimum for a non-integer text.
    [[nodiscard]] std::int32_t Value() const;
    // Shows the value brought into the range.
    void SetValue(std::int32_t value);

    [[nodiscard]] std::int32_t Minimum() const { return minimum_; }
    [[nodiscard]] std::int32_t Maximum() const { return maximum_; }
    [[nodiscard]] static std::int32_t SingleStep() { return 1; }
    [[nodiscard]] int MaxLength() const;

    [[nodiscard]] std::int32_t Clamp(std::int64_t value) const;

    // True for the characters a user may type into the field.
    [[nodiscard]] static bool IsAllowedCharacter(QChar c);

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    std::int32_t minimum_;
    std::int32_t maximum_;
};

// Reads a decimal integer: an optional sign and at least one digit, nothing
// else, within 32 bits. Returns false for anything else.
[[nodiscard]] bool ParseDecimalInteger(const QString& text, std::int32_t& value);

} // namespace lirem::ui
