#pragma once

#include "pagefactory.h"
#include "ui/anchors.h"
#include "ui/forms.h"

#include <QWidget>

#include <memory>

namespace gk {

class DownloadBar;

// The Updates window: a short explanation and the maker's update page, from which a new
// version can be downloaded.
class frmUpdate : public QWidget {
    Q_OBJECT
public:
    static constexpr Form formId = Form::Update;

    frmUpdate();
    ~frmUpdate() override;
    void Form_Load();

    WebPage* page() const { return m_page.get(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createShortcuts();
    void Form_Resize();

    QList<Anchored> m_controls;
    QWidget* m_web1 = nullptr;
    DownloadBar* m_downloads = nullptr;
    std::unique_ptr<WebPage> m_page;
};

} // namespace gk
