#pragma once

#include "ui/forms.h"
#include "webpage.h"

#include <QWidget>

#include <memory>

namespace gk {

// The Updates window: a short explanation and the maker's update page.
class frmUpdate : public QWidget {
    Q_OBJECT
public:
    static constexpr Form formId = Form::Update;

    frmUpdate();
    ~frmUpdate() override;
    void Form_Load();

    WebPage* page() const { return m_page.get(); }

private:
    std::unique_ptr<WebPage> m_page;
};

} // namespace gk
