// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SectionsBox.h"

#include "Accessibility.h"
#include "QtText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

SectionsBox::SectionsBox(const drill::Sections& chosen, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("SectionsBox"));
    setWindowTitle(ToQString(drill::kSectionsTitle));

    // One check box a section, named by its title and count, in a list that
    // scrolls where the screen is short.
    auto* list = new QWidget;
    auto* rows = new QVBoxLayout(list);
    for (int section = 1; section <= bank::kSectionCount; ++section) {
        auto* box = new QCheckBox(ToQString(drill::SectionLabel(section)), list);
        box->setObjectName(QStringLiteral("section%1").arg(section));
        box->setChecked(chosen[section - 1]);
        rows->addWidget(box);
        boxes_ << box;
    }
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("sectionList"));
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes from box to box
    scroll->setMinimumWidth(list->sizeHint().width() + 24);

    refusal_ = new QLabel(ToQString(drill::kNoSectionChosen));
    refusal_->setObjectName(QStringLiteral("refusal"));
    refusal_->setWordWrap(true);
    accessibility::MakeNotification(*refusal_);
    refusal_->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* all = buttons->addButton(tr("All"), QDialogButtonBox::ActionRole);
    QPushButton* none = buttons->addButton(tr("None"), QDialogButtonBox::ActionRole);
    all->setObjectName(QStringLiteral("All"));
    none->setObjectName(QStringLiteral("None"));
    all->setAutoDefault(false);
    none->setAutoDefault(false);
    connect(all, &QPushButton::clicked, this, [this] { checkAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { checkAll(false); });
    connect(buttons, &QDialogButtonBox::accepted, this, &SectionsBox::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SectionsBox::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(refusal_);
    layout->addWidget(buttons);

    // As tall as the list, or as the screen allows.
    const QRect screen =
        (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(sizeHint().width(), std::min(list->sizeHint().height() + 120, screen.height() * 9 / 10));
    boxes_.first()->setFocus();
}

drill::Sections SectionsBox::chosen() const {
    drill::Sections chosen;
    for (int i = 0; i < boxes_.size(); ++i)
        chosen[static_cast<std::size_t>(i)] = boxes_[i]->isChecked();
    return chosen;
}

void SectionsBox::accept() {
    if (chosen().none()) {
        refusal_->show();
        accessibility::Announce(*refusal_);
        boxes_.first()->setFocus();
        return;
    }
    QDialog::accept();
}

void SectionsBox::checkAll(bool checked) {
    for (QCheckBox* box : std::as_const(boxes_))
        box->setChecked(checked);
    refusal_->setVisible(false);
}
