// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LookUp.h"

#include "Accessibility.h"
#include "QtText.h"
#include "QuestionBank.h"
#include "Search.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int kItemRole = Qt::UserRole;

// The bank as a tree: a row per section with its title, under it a row per
// item with its question and answer.
QStandardItemModel* BankModel(QObject* parent) {
    auto* model = new QStandardItemModel(0, 2, parent);
    model->setHorizontalHeaderLabels(
        {ToQString(bank::kQuestionHeader), ToQString(bank::kAnswerHeader)});
    for (const bank::SectionRange& section : bank::kSections) {
        auto* title = new QStandardItem(ToQString(section.title));
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        for (int item = section.first; item <= section.last; ++item) {
            const bank::BankItem& limit = bank::kItems[static_cast<std::size_t>(item - 1)];
            auto* question = new QStandardItem(ToQString(limit.question));
            question->setData(item, kItemRole);
            title->appendRow({question, new QStandardItem(ToQString(limit.answer))});
        }
        model->appendRow({title, new QStandardItem});
    }
    return model;
}

} // namespace

// The search rule is the bank's own; a section shows while one of its items
// does.
class LimitFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setQuery(const QString& query) {
        query_ = query.toStdString();
        invalidateRowsFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        return parent.isValid() &&
               bank::Matches(sourceModel()->index(row, 0, parent).data(kItemRole).toInt(), query_);
    }

private:
    std::string query_;
};

LookUp::LookUp(QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window) {
    setObjectName(QStringLiteral("LookUpWindow"));
    setWindowTitle(ToQString(bank::kLookUpTitle));

    auto* label = new QLabel(ToQString(bank::kSearchLabel));
    search_ = new QLineEdit;
    search_->setObjectName(QStringLiteral("txtSearch"));
    search_->setClearButtonEnabled(true);
    label->setBuddy(search_);
    shown_ = new QLabel;
    shown_->setObjectName(QStringLiteral("lblShown"));
    accessibility::MakeNotification(*shown_);

    filter_ = new LimitFilter(this);
    filter_->setRecursiveFilteringEnabled(true);
    filter_->setSourceModel(BankModel(this));
    view_ = new QTreeView;
    view_->setObjectName(QStringLiteral("tblLimits"));
    view_->setModel(filter_);
    view_->setRootIsDecorated(false);
    view_->setItemsExpandable(false);
    view_->setWordWrap(true);
    view_->setAlternatingRowColors(true);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->header()->setSectionResizeMode(QHeaderView::Stretch);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

    auto* searchLine = new QHBoxLayout;
    searchLine->addWidget(label);
    searchLine->addWidget(search_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchLine);
    layout->addWidget(shown_);
    layout->addWidget(view_, 1);
    layout->addWidget(buttons);

    connect(search_, &QLineEdit::textChanged, this, &LookUp::search);
    search_->installEventFilter(this);
    search(QString());

    // A comfortable size, within the screen.
    const QRect screen =
        (mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(std::min(720, screen.width() * 9 / 10), std::min(560, screen.height() * 85 / 100));
}

void LookUp::open() {
    show();
    raise();
    activateWindow();
    search_->setFocus(Qt::OtherFocusReason);
}

void LookUp::search(const QString& query) {
    filter_->setQuery(query);
    view_->expandAll();
    int shown = 0;
    for (int row = 0; row < filter_->rowCount(); ++row) {
        view_->setFirstColumnSpanned(row, QModelIndex(), true);
        shown += filter_->rowCount(filter_->index(row, 0));
    }
    const QString line = ToQString(bank::CountLine(shown, query.toStdString()));
    if (line == shown_->text())
        return;
    shown_->setText(line);
    // A screen reader says it as it changes, while the focus stays in the field.
    if (isVisible())
        accessibility::Announce(*shown_);
}

// The count is said when the search field takes the focus, after the
// window's title and the field's name.
bool LookUp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && event->type() == QEvent::FocusIn)
        accessibility::Announce(*shown_);
    return QWidget::eventFilter(watched, event);
}

// Escape closes the window, from the search field too (which takes the key
// as a shortcut of its own, and then leaves it unused).
void LookUp::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

// Nothing is kept: the next look-up starts with every limit.
void LookUp::closeEvent(QCloseEvent* event) {
    hide();
    search_->clear();
    event->accept();
    if (QWidget* mainWindow = parentWidget())
        mainWindow->activateWindow();
}
