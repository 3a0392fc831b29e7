#pragma once

#include "pagefactory.h"
#include "ui/anchors.h"
#include "ui/forms.h"

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace gk {

class DownloadBar;

// The built-in web browser: Back, Forward, Stop, Refresh, an address box with Go, and the
// page area. It opens BrowserUrl when it is created; the address box and the caption then
// follow the page shown, and downloads are saved through the change store.
class frmBrowser : public QWidget {
    Q_OBJECT
public:
    static constexpr Form formId = Form::Browser;

    frmBrowser();
    ~frmBrowser() override;
    void Form_Load();

    WebPage* page() const { return m_page.get(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void connectControls();
    void connectPage();
    void createShortcuts();
    void cmdBack_Click();
    void cmdForward_Click();
    void cmdStop_Click();
    void cmdRefresh_Click();
    void cmdGo_Click();
    void Form_Resize();
    void focusAddress();
    void showAddress(const QString& address);
    void showTitle(const QString& title);
    void showLoading(bool loading, int percent);
    void updateButtons();

    QPushButton* cmdBack = nullptr;
    QPushButton* cmdForward = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QLabel* lblAddress = nullptr;
    QLineEdit* txtNav = nullptr;
    QPushButton* cmdGo = nullptr;
    QProgressBar* prgLoad = nullptr;
    DownloadBar* m_downloads = nullptr;
    QList<Anchored> m_toolbar;
    std::unique_ptr<WebPage> m_page;
    bool m_loading = false;
};

} // namespace gk
