#include "editmenu.h"

#include "editor/pageschemes.h"

#include <QMenu>
#include <QUndoStack>

namespace tintmill {

namespace {

QString itemText(const QString &caption, const QString &step)
{
    // A step may name a file, whose "&" is no mnemonic.
    return step.isEmpty()
               ? caption
               : caption + QStringLiteral(": ") + QString(step).replace(u'&', QStringLiteral("&&"));
}

} // namespace

void buildEditMenu(QMenu &editMenu, QUndoStack &history)
{
    const QString undoCaption = QStringLiteral("元に戻す(&U)");
    QAction *undo = editMenu.addAction(undoCaption);
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    // Also from a floating pane, whose applies are steps too; a modal
    // dialog in front still silences it.
    undo->setShortcutContext(Qt::ApplicationShortcut);
    undo->setEnabled(history.canUndo());
    QObject::connect(undo, &QAction::triggered, &history, &QUndoStack::undo);
    QObject::connect(&history, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    QObject::connect(
        &history, &QUndoStack::undoTextChanged, undo,
        [undo, undoCaption](const QString &step) { undo->setText(itemText(undoCaption, step)); });

    const QString redoCaption = QStringLiteral("やり直し(&R)");
    QAction *redo = editMenu.addAction(redoCaption);
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    redo->setEnabled(history.canRedo());
    QObject::connect(redo, &QAction::triggered, &history, &QUndoStack::redo);
    QObject::connect(&history, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    QObject::connect(
        &history, &QUndoStack::redoTextChanged, redo,
        [redo, redoCaption](const QString &step) { redo->setText(itemText(redoCaption, step)); });
}

void addDarkSchemeItem(QMenu &editMenu, PageSchemes &schemes)
{
    editMenu.addSeparator();
    QAction *dark = editMenu.addAction(QStringLiteral("ダークの色を編集(&D)"));
    dark->setObjectName(QStringLiteral("mnuEditDark"));
    dark->setCheckable(true);
    dark->setChecked(schemes.editing() == ColorScheme::Dark);
    QObject::connect(dark, &QAction::triggered, &schemes, [&schemes](bool checked) {
        schemes.edit(checked ? ColorScheme::Dark : ColorScheme::Light);
    });
    QObject::connect(&schemes, &PageSchemes::editingChanged, dark,
                     [dark](ColorScheme scheme) { dark->setChecked(scheme == ColorScheme::Dark); });
}

} // namespace tintmill
