#pragma once

#include "ui/forms.h"
#include "webpage.h"

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace gk {

// The built-in web browser: Back, Forward, Stop, Refresh, an address box with Go, and the
// page area. It opens BrowserUrl when it is created.
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

private:
    void createControls();
    void connectControls();
    void cmdBack_Click();
    void cmdForward_Click();
    void cmdStop_Click();
    void cmdRefresh_Click();
    void cmdGo_Click();
    void Form_Resize();

    QPushButton* cmdBack = nullptr;
    QPushButton* cmdForward = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdRefresh = nullptr;
    QLabel* lblAddress = nullptr;
    QLineEdit* txtNav = nullptr;
    QPushButton* cmdGo = nullptr;
    std::unique_ptr<WebPage> m_page;
};

} // namespace gk
