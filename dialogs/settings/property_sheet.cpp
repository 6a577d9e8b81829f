#include "dialogs/settings/property_sheet.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dialogs/settings/settings_page.h"

CPropertySheet::CPropertySheet(const QString& title, QWidget* parent)
    : QDialog(parent), tabs(new QTabWidget(this)) {
    setWindowTitle(title);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}

void CPropertySheet::AddPage(CSettingsPage* page, const QString& title) {
    pages.push_back(page);
    tabs->addTab(page, title);
}

void CPropertySheet::Start() {
    connect(tabs, &QTabWidget::currentChanged, this, &CPropertySheet::PageChosen);
    PageChosen(tabs->currentIndex());
}

void CPropertySheet::ShowPage(int index) {
    tabs->setCurrentIndex(index);
}

void CPropertySheet::PageChosen(int index) {
    if (index == active || index < 0 || static_cast<std::size_t>(index) >= pages.size()) {
        return;
    }
    if (active >= 0) {
        pages[static_cast<std::size_t>(active)]->Deactivate();
    }
    active = index;
    pages[static_cast<std::size_t>(index)]->Activate();
}

void CPropertySheet::done(int result) {
    if (active >= 0) {
        pages[static_cast<std::size_t>(active)]->Deactivate();
    }
    if (result == QDialog::Accepted) {
        for (CSettingsPage* page : pages) {
            page->Apply();
        }
    }
    QDialog::done(result);
}
