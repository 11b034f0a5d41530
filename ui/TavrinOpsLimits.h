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
// txtQuestion, txtCounter, txtLength, txtOrder and the lists RandomList,
// MarkList and SectionList), never in members. Each drill command says what
// step it took, and the window moves the focus from that, so that a screen
// reader speaks the new card.
#pragma once

#include "Drill.h"
#include "RandomSource.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class LookUp;
class WidgetForm;

class TavrinOpsLimits : public QMainWindow {
    Q_OBJECT

public:
    explicit TavrinOpsLimits(QWidget* parent = nullptr);
    ~TavrinOpsLimits() override;

private:
    void createElements();
    void createTestElements();
    void createMenus();
    void runDrill(drill::Step (drill::Drill::*command)());
    void closeMenus();
    void showStep(drill::Step step);
    void showTest();
    void updateCommands();
    QPushButton* visibleReviewButton() const;
    void sectionsTriggered();
    void lookUpTriggered();
    void recolour();
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void aboutTriggered();
    void donateTriggered();

    QLabel* picture_ = nullptr;
    QPushButton* cmdSeq_ = nullptr;
    QPushButton* cmdRand_ = nullptr;
    QCheckBox* chkAgain_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblQuestion_ = nullptr;
    QLabel* lblAnswer_ = nullptr;
    QLabel* lblCounter_ = nullptr;
    QLabel* lblOf204_ = nullptr;
    QAction* marked_ = nullptr;
    QAction* reviewAgain_ = nullptr;
    QList<QAction*> studyCommands_; // what waits while a test runs
    // The test's elements, made when a test first needs them.
    QLineEdit* txtAnswer_ = nullptr;
    QLabel* yourAnswer_ = nullptr;
    QLabel* lblVerdict_ = nullptr;
    QPushButton* cmdCountRight_ = nullptr;
    LookUp* lookUp_ = nullptr;

    drill::ClockRandom random_;
    std::unique_ptr<WidgetForm> form_;
    std::unique_ptr<drill::Drill> drill_;
};
