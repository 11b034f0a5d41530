// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Form.h"

#include <array>
#include <functional>

class QItemSelectionModel;
class QObject;
class QWidget;

// The drill's named elements, realised by the window's children: labels,
// buttons and the hidden fields by their "text" property (the fields are
// plain objects, never shown), the review-again box by its checked state, and
// the lists by the row selection of RandomList, MarkList and SectionList (a
// model and its selection each, with no view).
class WidgetForm final : public drill::Form {
public:
    // Finds every element among the window's children by its objectName.
    // Elements that the window makes only when first used (the test's) are
    // made by makeMissing the first time the drill gives one a text, a
    // check, a selected row or the visible flag; until then they read as
    // they start and hiding or emptying them changes nothing.
    explicit WidgetForm(QWidget& window, std::function<void()> makeMissing = {});

    std::string text(drill::Element element) const override;
    void setText(drill::Element element, std::string_view text) override;
    void setVisible(drill::Element element, bool visible) override;
    void setChecked(drill::Element element, bool checked) override;
    bool rowSelected(drill::List list, int row) const override;
    void setRowSelected(drill::List list, int row, bool selected) override;
    bool showMessage(std::string_view text, std::string_view title,
                     std::string_view otherButton) override;

private:
    QObject* element(drill::Element element) const;
    QItemSelectionModel* list(drill::List list) const;
    void findElements();
    void makeMissing();

    QWidget& window_;
    std::function<void()> makeMissing_;
    std::array<QObject*, drill::kElements.size()> elements_{};
    std::array<QItemSelectionModel*, drill::kLists.size()> lists_{};
};
