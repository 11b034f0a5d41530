// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MemoryForm.h"

namespace drill {

MemoryForm::MemoryForm() {
    for (const ElementInfo& info : kElements)
        slot(info.element) = {std::string(info.startText), info.startsVisible};
    for (const ListInfo& info : kLists)
        for (int row = 1; row < info.rows; ++row)
            setRowSelected(info.list, row, info.startsSelected);
}

std::string MemoryForm::text(Element element) const {
    return slot(element).text;
}

void MemoryForm::setText(Element element, std::string_view text) {
    slot(element).text = text;
}

void MemoryForm::setVisible(Element element, bool visible) {
    slot(element).visible = visible;
}

bool MemoryForm::isVisible(Element element) const {
    return slot(element).visible;
}

void MemoryForm::setChecked(Element element, bool checked) {
    slot(element).checked = checked;
}

bool MemoryForm::isChecked(Element element) const {
    return slot(element).checked;
}

bool MemoryForm::rowSelected(List list, int row) const {
    return selectedRows_[static_cast<std::size_t>(list)].test(static_cast<std::size_t>(row));
}

void MemoryForm::setRowSelected(List list, int row, bool selected) {
    selectedRows_[static_cast<std::size_t>(list)].set(static_cast<std::size_t>(row), selected);
}

bool MemoryForm::showMessage(std::string_view text, std::string_view title,
                             std::string_view otherButton) {
    messages_.push_back({std::string(text), std::string(title), std::string(otherButton)});
    return false;
}

} // namespace drill
