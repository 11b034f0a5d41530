// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's one window. It creates the named elements, the menu bar and
// its shortcuts, and hands every review command and click to the Drill:
//
//   menu command or button click -> Drill step -> bank lookups
//                                       -> WidgetForm -> labels and buttons
//
// The review state lives in the window's hidden elements (txtSQA,
// txtQuestion, txtCounter, RandomList), never in members.
#pragma once

#include "Drill.h"
#include "RandomSource.h"

#include <QMainWindow>
#include <memory>

class QLabel;
class QPushButton;
class WidgetForm;

class TavrinOpsLimits : public QMainWindow {
    Q_OBJECT

public:
    explicit TavrinOpsLimits(QWidget* parent = nullptr);
    ~TavrinOpsLimits() override;

private:
    void createElements();
    void createMenus();
    void runDrill(void (drill::Drill::*step)());
    QPushButton* visibleReviewButton() const;
    void recolour();
    void changeEvent(QEvent* event) override;
    void aboutTriggered();
    void donateTriggered();

    QLabel* picture_ = nullptr;
    QPushButton* cmdSeq_ = nullptr;
    QPushButton* cmdRand_ = nullptr;

    drill::ClockRandom random_;
    std::unique_ptr<WidgetForm> form_;
    std::unique_ptr<drill::Drill> drill_;
};
