// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Form.h"

#include <bitset>
#include <string>
#include <vector>

namespace drill {

// The named elements in plain memory, starting from the window's design-time
// values. Messages are recorded instead of shown.
class MemoryForm final : public Form {
public:
    struct Message {
        std::string text;
        std::string title;
        std::string otherButton;
    };

    MemoryForm();

    std::string text(Element element) const override;
    void setText(Element element, std::string_view text) override;
    void setVisible(Element element, bool visible) override;
    void setChecked(Element element, bool checked) override;
    bool rowSelected(List list, int row) const override;
    void setRowSelected(List list, int row, bool selected) override;
    bool showMessage(std::string_view text, std::string_view title,
                     std::string_view otherButton) override;

    bool isVisible(Element element) const;
    bool isChecked(Element element) const;
    const std::vector<Message>& messages() const { return messages_; }

private:
    struct Slot {
        std::string text;
        bool visible = false;
        bool checked = false;
    };
    Slot& slot(Element element) { return slots_[static_cast<std::size_t>(element)]; }
    const Slot& slot(Element element) const { return slots_[static_cast<std::size_t>(element)]; }

    std::array<Slot, kElements.size()> slots_;
    // Each list's selection flags; the longest list sets the size.
    std::array<std::bitset<kRandomListRows>, kLists.size()> selectedRows_;
    std::vector<Message> messages_;
};

} // namespace drill
