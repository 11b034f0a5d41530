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

class QAction;
class QLabel;
class QPushButton;
class WidgetForm;

class TavrinOpsLimits : public QMainWindow {
    Q_OBJECT

public:
    explicit TavrinOpsLimits(QWidget* parent = nullptr);
    ~TavrinOpsLimits() override;

    // The four lines of the information box, joined by single line feeds.
    static QString aboutText();

private slots:
    void sequentialTriggered();
    void randomTriggered();
    void fileResetTriggered();
    void exitTriggered();
    void aboutTriggered();
    void donateTriggered();
    void cmdSeqClicked();
    void cmdRandClicked();

private:
    void createElements();
    void createActions();
    void createMenus();
    void focusReviewButton();

    QPushButton* cmdSeq_ = nullptr;
    QPushButton* cmdRand_ = nullptr;

    QAction* fileResetAct_ = nullptr;
    QAction* exitAct_ = nullptr;
    QAction* sequentialAct_ = nullptr;
    QAction* randomAct_ = nullptr;
    QAction* donateAct_ = nullptr;
    QAction* aboutAct_ = nullptr;

    drill::ClockRandom random_;
    std::unique_ptr<WidgetForm> form_;
    std::unique_ptr<drill::Drill> drill_;
};
