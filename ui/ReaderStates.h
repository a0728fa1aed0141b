// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells the screen reader that objects became visible. The toolkit's Linux
// bridge reports a shown widget as "showing" only, never as "visible"; a
// reader that fetched the states of an object while it was hidden (a result
// renamed on a hidden page, a note shown after being hidden) keeps it
// invisible and leaves it out of its review. The missing state change is
// sent here, over the bridge's own accessibility bus connection.

class QWidget;

namespace lirem::ui {

// Reports root and each of its accessible descendants that is on screen as
// visible; does nothing without a screen reader's bus.
void ReportVisible(QWidget* root);

} // namespace lirem::ui
