// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WidgetForm.h"

#include "QtText.h"

#include <QAbstractButton>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QPushButton>

WidgetForm::WidgetForm(QWidget& window)
    : window_(window) {
    for (const drill::ElementInfo& info : drill::kElements) {
        const QString name = ToQString(info.name);
        elements_[static_cast<std::size_t>(info.element)] = window.findChild<QObject*>(name);
        Q_ASSERT_X(element(info.element), "WidgetForm", qPrintable(name));
    }
    for (const drill::ListInfo& info : drill::kLists) {
        auto* model = window.findChild<QItemSelectionModel*>(ToQString(info.name));
        Q_ASSERT(model && model->model()->rowCount() == info.rows);
        lists_[static_cast<std::size_t>(info.list)] = model;
    }
}

QObject* WidgetForm::element(drill::Element element) const {
    return elements_[static_cast<std::size_t>(element)];
}

QItemSelectionModel* WidgetForm::list(drill::List list) const {
    return lists_[static_cast<std::size_t>(list)];
}

std::string WidgetForm::text(drill::Element element) const {
    return this->element(element)->property("text").toString().toStdString();
}

void WidgetForm::setText(drill::Element element, std::string_view text) {
    this->element(element)->setProperty("text", ToQString(text));
}

void WidgetForm::setVisible(drill::Element element, bool visible) {
    auto* widget = qobject_cast<QWidget*>(this->element(element));
    Q_ASSERT(widget); // the drill never shows or hides a hidden field
    widget->setVisible(visible);
}

void WidgetForm::setChecked(drill::Element element, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(this->element(element));
    Q_ASSERT(button);
    button->setChecked(checked);
}

bool WidgetForm::rowSelected(drill::List list, int row) const {
    return this->list(list)->isRowSelected(row);
}

void WidgetForm::setRowSelected(drill::List list, int row, bool selected) {
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
