#pragma once
#include <QDialog>

// Hides a window of the report flows that may be running its own modal loop
// (exec) without ending that loop: the flow shows it again later (Previous,
// or the graphs window after a simple report), and it must then still be the
// modal window its caller waits on. QDialog::hide() would end the loop.
inline void hideKeepingModalLoop(QDialog *dialog) {
    dialog->QWidget::setVisible(false);
}
