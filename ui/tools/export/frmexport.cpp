#include "frmexport.h"

#include "codegen/colorexportcode.h"
#include "ui/widgets/codetextbox.h"
#include "ui/widgets/controls.h"
#include "ui/widgets/twips.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tintmill {

FrmExport::FrmExport(ColorExportCode &code, QWidget *parent) : Pane("frmExport", parent)
{
    // The box takes what room the pane has.
    QWidget *content = this->content();
    setDesignedSize(twips::rect(0, 0, 6600, 6300).size());
    setSpacing(QMargins(twips::toPixels(240), twips::toPixels(180), twips::toPixels(240),
                        twips::toPixels(285)),
               twips::toPixels(120));

    auto *formatLabel = label("lblExportFormat", QStringLiteral("形式(&F)："), content);
    auto *format = named(new QComboBox(content), "cboExportFormat");
    for (const ExportFormatInfo &info : exportFormats())
        format->addItem(QString::fromUtf8(info.label));
    format->setCurrentIndex(code.format.selected());
    format->setMinimumWidth(twips::toPixels(3840));
    formatLabel->setMinimumWidth(twips::toPixels(960));
    formatLabel->setBuddy(format);
    connect(format, &QComboBox::currentIndexChanged, &code.format, &OptionGroup::select);
    connect(&code.format, &OptionGroup::clicked, format, &QComboBox::setCurrentIndex);
    auto *formatRow = new QHBoxLayout;
    formatRow->setSpacing(0);
    formatRow->addWidget(formatLabel);
    formatRow->addWidget(format);
    formatRow->addStretch();

    auto *caption = label("lblExport", QStringLiteral("書き出したテキスト"), content);
    auto *box = new CodeTextBox(QStringLiteral("txtExport"), content);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setMinimumHeight(twips::toPixels(1500));
    body()->addLayout(formatRow);
    body()->addWidget(caption);
    body()->addWidget(box, 1);

    auto *copy = named(new QPushButton(QStringLiteral("コピー(&Y)"), content), "cmdExportCopy");
    auto *save = named(new QPushButton(QStringLiteral("保存(&S)…"), content), "cmdExportSave");
    for (QPushButton *button : {copy, save})
        addFootButton(button, Qt::AlignLeft);
    addNoticeLine("lblExportNotice");
    connect(copy, &QPushButton::clicked, this, [this, &code] {
        code.copy();
        showNotice(QStringLiteral("クリップボードにコピーしました。"), true);
    });
    connect(save, &QPushButton::clicked, &code, &ColorExportCode::save);
    connect(&code, &ColorExportCode::saved, this, [this](const QString &path) {
        // A long path breaks after any separator rather than running off.
        QString shown = path;
        shown.replace(u'/', QStringLiteral("/\u200B"));
        showNotice(QStringLiteral("%1 に保存しました。").arg(shown), false);
    });

    box->showCode(code.text());
    // What was copied or saved is no longer the text shown.
    connect(&code, &ColorExportCode::textChanged, this, [this, box, &code] {
        box->showCode(code.text());
        clearNotice();
    });

    setTabOrder(format, box);
    setTabOrder(box, copy);
    setTabOrder(copy, save);
    setTabOrder(save, closeButton());
}

} // namespace tintmill
