// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WidgetForm.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

WidgetForm::WidgetForm(QWidget& window)
    : window_(window) {
    for (const drill::ElementInfo& info : drill::kElements) {
        const QString name = ToQString(info.name);
        elements_[static_cast<std::size_t>(info.element)] = window.findChild<QObject*>(name);
        Q_ASSERT_X(element(info.element), "WidgetForm", qPrintable(name));
    }
    randomList_ = window.findChild<QItemSelectionModel*>(ToQString(drill::kRandomListName));
    Q_ASSERT(randomList_ && randomList_->model()->rowCount() == drill::kRandomListRows);
}

QObject* WidgetForm::element(drill::Element element) const {
    return elements_[static_cast<std::size_t>(element)];
}

std::string WidgetForm::text(drill::Element element) const {
    return this->element(element)->property("text").toString().toStdString();
}

void WidgetForm::setText(drill::Element element, std::string_view text) {
    QObject* object = this->element(element);
    const QString value = ToQString(text);
    if (auto* label = qobject_cast<QLabel*>(object))
        setLabelText(element, *label, value);
    else
        object->setProperty("text", value);
}

// Besides the caption, what a screen reader needs: it speaks what the focused
// object says, so the label that receives a question or an answer takes the
// focus, and a new section's title is spoken with its first question.
void WidgetForm::setLabelText(drill::Element element, QLabel& label, const QString& value) {
    using drill::Element;
    if (element == Element::lblTitle && !value.isEmpty() && value != label.text())
        titleToSpeak_ = value;
    label.setText(value);
    switch (element) {
    case Element::lblCounter: {
        // Read as a whole, "12 OF 204"; lblOf204 itself is not exposed.
        const auto* of204 = qobject_cast<QLabel*>(this->element(Element::lblOf204));
        label.setAccessibleName(value.isEmpty() ? QString()
                                                : value + QLatin1Char(' ') + of204->text());
        break;
    }
    case Element::lblQuestion:
        label.setAccessibleName(value.isEmpty() || titleToSpeak_.isEmpty()
                                    ? QString()
                                    : titleToSpeak_ + QStringLiteral(". ") + value);
        if (!value.isEmpty())
            titleToSpeak_.clear();
        [[fallthrough]];
    case Element::lblAnswer:
        if (!value.isEmpty())
            label.setFocus(Qt::OtherFocusReason);
        break;
    default:
        break;
    }
}

void WidgetForm::setVisible(drill::Element element, bool visible) {
    auto* widget = qobject_cast<QWidget*>(this->element(element));
    Q_ASSERT(widget); // the drill never shows or hides a hidden field
    widget->setVisible(visible);
}

bool WidgetForm::rowSelected(int row) const {
    return randomList_->isRowSelected(row);
}

void WidgetForm::setRowSelected(int row, bool selected) {
    randomList_->select(randomList_->model()->index(row, 0),
                        selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void WidgetForm::showMessage(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::Information, ToQString(title), ToQString(text), QMessageBox::Ok,
                    &window_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
