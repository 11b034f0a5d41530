// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Form.h"

#include <QString>
#include <array>

class QLabel;
class QItemSelectionModel;
class QObject;
class QWidget;

// The drill's named elements, realised by the window's children: labels,
// buttons and the three hidden fields by their "text" property (the fields are
// plain objects, never shown), and the asked-set by the row selection of the
// list box RandomList (a model and its selection, with no view either).
class WidgetForm final : public drill::Form {
public:
    // Finds every element among the window's children by its objectName.
    explicit WidgetForm(QWidget& window);

    std::string text(drill::Element element) const override;
    void setText(drill::Element element, std::string_view text) override;
    void setVisible(drill::Element element, bool visible) override;
    bool rowSelected(int row) const override;
    void setRowSelected(int row, bool selected) override;
    void showMessage(std::string_view text, std::string_view title) override;

private:
    QObject* element(drill::Element element) const;
    void setLabelText(drill::Element element, QLabel& label, const QString& value);

    QWidget& window_;
    std::array<QObject*, drill::kElements.size()> elements_{};
    QItemSelectionModel* randomList_ = nullptr;
    QString titleToSpeak_; // a new section's title, spoken with its first question
};
