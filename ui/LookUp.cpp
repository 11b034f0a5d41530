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

constexpr int kItemRole = Qt::UserRole;        // the limit's item number; 0 on a title's row
constexpr int kSectionRole = Qt::UserRole + 1; // the section's number, on every row

// The bank as a flat list, without a tree's expanded and collapsed states
// for a screen reader to announce: a row per section title, then a row per
// item with its question and answer.
QStandardItemModel* BankModel(QObject* parent) {
    auto* model = new QStandardItemModel(0, 2, parent);
    model->setHorizontalHeaderLabels(
        {ToQString(bank::kQuestionHeader), ToQString(bank::kAnswerHeader)});
    int number = 0;
    for (const bank::SectionRange& section : bank::kSections) {
        auto* title = new QStandardItem(ToQString(section.title));
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        title->setData(0, kItemRole);
        title->setData(++number, kSectionRole);
        model->appendRow({title, new QStandardItem});
        for (int item = section.first; item <= section.last; ++item) {
            const bank::BankItem& limit = bank::kItems[static_cast<std::size_t>(item - 1)];
            auto* question = new QStandardItem(ToQString(limit.question));
            question->setData(item, kItemRole);
            question->setData(number, kSectionRole);
            model->appendRow({question, new QStandardItem(ToQString(limit.answer))});
        }
    }
    return model;
}

} // namespace

// The search rule is the bank's own; a section's title shows while one of
// its items does. The first limit shown under a title is read with it, so a
// screen reader entering a section, or landing on a search's first match,
// hears where it is.
class LimitFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setQuery(const QString& query) {
        query_ = query.toStdString();
        invalidateRowsFilter();
    }

    bool isTitle(int row) const { return index(row, 0).data(kItemRole).toInt() == 0; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::AccessibleTextRole && index.column() == 0 && !isTitle(index.row()) &&
            index.row() > 0 && isTitle(index.row() - 1))
            return this->index(index.row() - 1, 0).data().toString() + QStringLiteral(". ") +
                   index.data().toString();
        return QSortFilterProxyModel::data(index, role);
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const QModelIndex index = sourceModel()->index(row, 0, parent);
        if (const int item = index.data(kItemRole).toInt())
            return bank::Matches(item, query_);
        const bank::SectionRange& section =
            bank::kSections[static_cast<std::size_t>(index.data(kSectionRole).toInt() - 1)];
        for (int item = section.first; item <= section.last; ++item)
            if (bank::Matches(item, query_))
                return true;
        return false;
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
    int shown = 0;
    for (int row = 0; row < filter_->rowCount(); ++row) {
        const bool title = filter_->isTitle(row);
        view_->setFirstColumnSpanned(row, QModelIndex(), title);
        shown += title ? 0 : 1;
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
