// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MemoryForm.h"

namespace drill {

MemoryForm::MemoryForm() {
    for (const ElementInfo& info : kElements)
        slot(info.element) = {std::string(info.startText), info.startsVisible};
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

bool MemoryForm::rowSelected(int row) const {
    return selectedRows_.test(static_cast<std::size_t>(row));
}

void MemoryForm::setRowSelected(int row, bool selected) {
    selectedRows_.set(static_cast<std::size_t>(row), selected);
}

void MemoryForm::showMessage(std::string_view text, std::string_view title) {
    messages_.push_back({std::string(text), std::string(title)});
}

} // namespace drill
