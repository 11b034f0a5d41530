// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Drill.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QLabel;

// Begin Review > Sections...: the 33 sections, each with its item count and
// a check box, "All" and "None", OK and Cancel. OK with none chosen is
// refused in one sentence, and the box stays open.
class SectionsBox : public QDialog {
    Q_OBJECT

public:
    SectionsBox(const drill::Sections& chosen, QWidget* parent);

    drill::Sections chosen() const;
    void accept() override;

private:
    void checkAll(bool checked);

    QList<QCheckBox*> boxes_;
    QLabel* refusal_ = nullptr;
};
