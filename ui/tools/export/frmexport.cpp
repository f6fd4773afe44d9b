#include "frmexport.h"

#include "codegen/colorexportcode.h"
#include "ui/widgets/codetextbox.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace tintmill {

FrmExport::FrmExport(ColorExportCode &code, QWidget *host)
    : ToolWindow(host, "frmExport", QStringLiteral("書き出し"), "cmdExportClose")
{
    // The controls sit where designed on a page of the window's designed
    // size, which scrolls inside the window on a small screen.
    QWidget *content = this->content();
    content->setFixedSize(twips::rect(0, 0, 6600, 6300).size());

    auto *formatLabel = label("lblExportFormat", QStringLiteral("形式(&F)："), content);
    twips::place(formatLabel, 240, 240, 960, 300);
    auto *format = named(new QComboBox(content), "cboExportFormat");
    for (const ExportFormatInfo &info : exportFormats())
        format->addItem(QString::fromUtf8(info.label));
    format->setCurrentIndex(code.format.selected());
    formatLabel->setBuddy(format);
    twips::place(format, 1200, 180, 3840, 375);
    connect(format, &QComboBox::currentIndexChanged, &code.format, &OptionGroup::select);
    connect(&code.format, &OptionGroup::clicked, format, &QComboBox::setCurrentIndex);

    auto *caption = label("lblExport", QStringLiteral("書き出したテキスト"), content);
    twips::place(caption, 240, 720, 2400, 270);
    auto *box = new CodeTextBox(QStringLiteral("txtExport"), content);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    twips::place(box, 240, 1020, 6120, 4440);

    auto *copy = named(new QPushButton(QStringLiteral("コピー"), content), "cmdExportCopy");
    twips::place(copy, 240, 5640, 1200, 375);
    auto *save = named(new QPushButton(QStringLiteral("保存…"), content), "cmdExportSave");
    twips::place(save, 1560, 5640, 1200, 375);
    twips::place(closeButton(), 5160, 5640, 1200, 375);
    connect(copy, &QPushButton::clicked, &code, &ColorExportCode::copy);
    connect(save, &QPushButton::clicked, &code, &ColorExportCode::save);

    box->showCode(code.text());
    connect(&code, &ColorExportCode::textChanged, box,
            [box, &code] { box->showCode(code.text()); });

    setTabOrder(format, box);
    setTabOrder(box, copy);
    setTabOrder(copy, save);
    setTabOrder(save, closeButton());
}

} // namespace tintmill
