// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WidgetForm.h"

#include "QtText.h"

#include <QAbstractButton>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPushButton>
#include <utility>

WidgetForm::WidgetForm(QWidget& window, std::function<void()> makeMissing)
    : window_(window)
    , makeMissing_(std::move(makeMissing)) {
    findElements();
    if (!makeMissing_)
        makeMissing();
}

void WidgetForm::findElements() {
    for (const drill::ElementInfo& info : drill::kElements)
        elements_[static_cast<std::size_t>(info.element)] =
            window_.findChild<QObject*>(ToQString(info.name));
    for (const drill::ListInfo& info : drill::kLists) {
        auto* model = window_.findChild<QItemSelectionModel*>(ToQString(info.name));
        Q_ASSERT(!model || model->model()->rowCount() == info.rows);
        lists_[static_cast<std::size_t>(info.list)] = model;
    }
}

// Once: afterwards every element and list exists.
void WidgetForm::makeMissing() {
    if (makeMissing_) {
        std::exchange(makeMissing_, {})();
        findElements();
    }
    for (const drill::ElementInfo& info : drill::kElements)
        Q_ASSERT_X(element(info.element), "WidgetForm", info.name.data());
    for (const drill::ListInfo& info : drill::kLists)
        Q_ASSERT_X(list(info.list), "WidgetForm", info.name.data());
}

QObject* WidgetForm::element(drill::Element element) const {
    return elements_[static_cast<std::size_t>(element)];
}

QItemSelectionModel* WidgetForm::list(drill::List list) const {
    return lists_[static_cast<std::size_t>(list)];
}

std::string WidgetForm::text(drill::Element element) const {
    if (!this->element(element))
        return std::string(drill::Info(element).startText);
    return this->element(element)->property("text").toString().toStdString();
}

void WidgetForm::setText(drill::Element element, std::string_view text) {
    if (!this->element(element)) {
        if (text == drill::Info(element).startText)
            return;
        makeMissing();
    }
    this->element(element)->setProperty("text", ToQString(text));
}

void WidgetForm::setVisible(drill::Element element, bool visible) {
    if (!this->element(element)) {
        if (!visible)
            return;
        makeMissing();
    }
    auto* widget = qobject_cast<QWidget*>(this->element(element));
    Q_ASSERT(widget); // the drill never shows or hides a hidden field
    widget->setVisible(visible);
}

void WidgetForm::setChecked(drill::Element element, bool checked) {
    if (!this->element(element))
        makeMissing();
    auto* button = qobject_cast<QAbstractButton*>(this->element(element));
    Q_ASSERT(button);
    button->setChecked(checked);
}

bool WidgetForm::rowSelected(drill::List list, int row) const {
    return this->list(list) ? this->list(list)->isRowSelected(row)
                            : drill::Info(list).startsSelected && row > 0;
}

void WidgetForm::setRowSelected(drill::List list, int row, bool selected) {
    if (!this->list(list)) {
        if (selected == (drill::Info(list).startsSelected && row > 0))
            return;
        makeMissing();
    }
    QItemSelectionModel* model = this->list(list);
    model->select(model->model()->index(row, 0),
                  selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

bool WidgetForm::showMessage(std::string_view text, std::string_view title,
                             std::string_view otherButton) {
    QMessageBox box(QMessageBox::Information, ToQString(title), ToQString(text), QMessageBox::Ok,
                    &window_);
    box.setTextFormat(Qt::PlainText);
    QPushButton* other = nullptr;
    if (!otherButton.empty()) {
        other = box.addButton(ToQString(otherButton), QMessageBox::AcceptRole);
        other->setObjectName(QStringLiteral("otherButton"));
        box.setDefaultButton(QMessageBox::Ok); // Enter is still OK
    }
    box.exec();
    return other && box.clickedButton() == other;
}
