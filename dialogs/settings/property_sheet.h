#pragma once

// A modal sheet of settings pages on tabs, with OK and Cancel. The first page is set up at
// once; the others when the player first opens their tab. OK lets every page that was shown
// write its entries; OK and Cancel both stop the pages' timers.

#include <QDialog>
#include <vector>

class CSettingsPage;
class QTabWidget;

class CPropertySheet : public QDialog {
    Q_OBJECT

public:
    CPropertySheet(const QString& title, QWidget* parent);

    // Shows a page on the tab at index, the way the player's click on it does.
    void ShowPage(int index);
    int ActivePage() const { return active; }
    QTabWidget* Tabs() const { return tabs; }

    void done(int result) override;

protected:
    // Adds the pages in tab order; call Start() after the last.
    void AddPage(CSettingsPage* page, const QString& title);
    void Start();

private:
    void PageChosen(int index);

    QTabWidget* tabs;
    std::vector<CSettingsPage*> pages;
    int active = -1;
};
