// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTreeView;
class LimitFilter;

// File > Look Up...: all 204 limits under their section titles, filtered as
// the learner types. A window of its own beside the review, which it leaves
// as it was; closed, it forgets the search.
class LookUp : public QWidget {
    Q_OBJECT

public:
    explicit LookUp(QWidget* mainWindow);

    // Shows the window, or raises it, with the focus in the search field.
    void open();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search(const QString& query);

    QLineEdit* search_ = nullptr;
    QLabel* shown_ = nullptr;
    QTreeView* view_ = nullptr;
    LimitFilter* filter_ = nullptr;
};
