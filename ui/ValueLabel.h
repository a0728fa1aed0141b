// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's label. A result label is announced by its accessible name,
// its caption together with its number (kept up to date by SpokenResults),
// while its text alone, the number it shows, is its accessible value. A label
// without an accessible name is announced by its own text, as any label. The
// caption of a result that already says it is silent: a screen reader would
// read it twice. Its accessible interface is registered when it is built.

#include <QLabel>
#include <QSet>
#include <QString>

#include <functional>

namespace lirem::ui {

class ValueLabel final : public QLabel {
    Q_OBJECT
public:
    explicit ValueLabel(const QString& text, QWidget* parent = nullptr);

    // A label that grows with its text moves left as far as it must to end
    // before x (in its parent); 0: it grows to the right only.
    void SetRightBound(int x) { rightBound_ = x; }
    // Sizes the label to its text, kept left of its right bound. A label out
    // of sight (on a page not shown) is sized when it is shown, as if it had
    // been sized at each call: nothing is drawn before.
    void FitToText();
    // Sizes the label now if it was given a text out of sight.
    void FitIfPending();

    // A caption said by the results it names: no accessible name of its own.
    void SetSilent(bool silent) { silent_ = silent; }
    [[nodiscard]] bool IsSilent() const { return silent_; }
    // What a screen reader says for the label, worked out when it asks, so
    // it is right on every page whenever it is read; empty: its accessible
    // name, or its text.
    void SetSpeech(std::function<QString()> speech) { speech_ = std::move(speech); }
    [[nodiscard]] QString Spoken() const;
    // A label said by its own text whose changes are reported by its owner
    // (see SpokenResults) rather than on every change of its text.
    void SetSaidByText();
    [[nodiscard]] bool IsSaidByText() const { return saidByText_; }

protected:
    bool event(QEvent* event) override;

private:
    [[nodiscard]] bool IsOneLine(const QString& content) const;
    // Invalid when the toolkit must size the label.
    [[nodiscard]] QSize OneLineSize(const QString& content) const;
    void Fit();
    void MeasureBoundTexts();
    void KeepLeftOfBound(int width);

    int rightBound_ = 0;
    bool fitPending_ = false;
    // Texts a bounded label was given out of sight (each may have moved it
    // left), and the widest of those already measured.
    QSet<QString> boundTexts_;
    int widestBoundText_ = 0;
    bool silent_ = false;
    bool saidByText_ = false;
    std::function<QString()> speech_;
};

// Sizes the labels of a page that has just been made the one shown, whether
// the window is on screen or not.
void FitShownLabels(const QWidget& page);

} // namespace lirem::ui
