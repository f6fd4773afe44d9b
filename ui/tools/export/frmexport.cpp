#include "frmexport.h"

#include "codegen/colorexportcode.h"
#include "ui/codetextbox.h"
#include "ui/controls.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

namespace tintmill {

namespace {

// Right of the main window if it fits, else left, else as far right as the
// screen allows; the top level with the main window's where the screen lets.
void placeBeside(QWidget &tool, const QWidget &mainWindow)
{
    const QRect main = mainWindow.frameGeometry();
    const QRect screen = mainWindow.screen()->availableGeometry();
    const int gap = 8;
    int x = main.right() + 1 + gap;
    if (x + tool.width() > screen.right() + 1)
        x = main.left() - gap - tool.width();
    if (x < screen.left())
        x = std::max(screen.left(), screen.right() + 1 - tool.width());
    const int y = std::clamp(main.top(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - tool.height()));
    tool.move(x, y);
}

} // namespace

FrmExport::FrmExport(ColorExportCode &code, QWidget *parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("frmExport"));
    setWindowTitle(QStringLiteral("書き出し"));
    setModal(false);
    setFixedSize(twips::rect(0, 0, 6600, 6300).size());

    auto *formatLabel = label("lblExportFormat", QStringLiteral("形式(&F)："), this);
    twips::place(formatLabel, 240, 240, 960, 300);
    auto *format = named(new QComboBox(this), "cboExportFormat");
    format->addItems({QStringLiteral("CSS（カスタムプロパティ）"), QStringLiteral("SCSS（変数）"),
                      QStringLiteral("デザイントークン（JSON）"),
                      QStringLiteral("パレット（GIMP .gpl）")});
    format->setCurrentIndex(code.format.selected());
    formatLabel->setBuddy(format);
    twips::place(format, 1200, 180, 3840, 375);
    connect(format, &QComboBox::currentIndexChanged, &code.format, &OptionGroup::select);
    connect(&code.format, &OptionGroup::clicked, format, &QComboBox::setCurrentIndex);

    auto *caption = label("lblExport", QStringLiteral("書き出したテキスト"), this);
    twips::place(caption, 240, 720, 2400, 270);
    auto *box = new CodeTextBox(QStringLiteral("txtExport"), this);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    twips::place(box, 240, 1020, 6120, 4440);

    auto *copy = named(new QPushButton(QStringLiteral("コピー"), this), "cmdExportCopy");
    twips::place(copy, 240, 5640, 1200, 375);
    auto *save = named(new QPushButton(QStringLiteral("保存…"), this), "cmdExportSave");
    twips::place(save, 1560, 5640, 1200, 375);
    auto *close = named(new QPushButton(QStringLiteral("閉じる(&C)"), this), "cmdExportClose");
    twips::place(close, 5160, 5640, 1200, 375);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(copy, &QPushButton::clicked, &code, &ColorExportCode::copy);
    connect(save, &QPushButton::clicked, &code, &ColorExportCode::save);

    box->showCode(code.text());
    connect(&code, &ColorExportCode::textChanged, box, &CodeTextBox::showCode);

    setTabOrder(format, box);
    setTabOrder(box, copy);
    setTabOrder(copy, save);
    setTabOrder(save, close);
}

QAction *addExportItem(QMenu &toolsMenu, QWidget &mainWindow, ColorExportCode &code)
{
    QAction *item = toolsMenu.addAction(QStringLiteral("書き出し(&E)…"));
    item->setObjectName(QStringLiteral("mnuExport"));
    QObject::connect(item, &QAction::triggered, &mainWindow, [&mainWindow, &code] {
        auto *window = mainWindow.findChild<FrmExport *>(QStringLiteral("frmExport"));
        if (window == nullptr) {
            window = new FrmExport(code, &mainWindow);
            placeBeside(*window, mainWindow);
        }
        window->show();
        window->raise();
        window->activateWindow();
    });
    return item;
}

} // namespace tintmill
