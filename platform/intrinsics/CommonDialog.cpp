// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#include "platform/intrinsics/CommonDialog.h"

#include "platform/core/OleColor.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>

namespace tallyard {

namespace {

CommonDialog::Chooser &chooser()
{
    static CommonDialog::Chooser installed;
    return installed;
}

std::optional<qint32> pickColor(QWidget *owner, qint32 initial)
{
    const QColor chosen = QColorDialog::getColor(fromOleColor(initial), owner);
    if (!chosen.isValid())
        return std::nullopt;
    return toOleColor(chosen);
}

std::optional<QString> pickFile(QWidget *owner, const CommonDialog::OpenRequest &request)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Each filter shows as its caption alone: the patterns Qt needs after it are not shown again.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (!request.filters.isEmpty())
        dialog.setNameFilters(request.filters);
    if (!request.fileName.isEmpty()) {
        const QFileInfo proposed(request.fileName);
        dialog.setDirectory(proposed.absolutePath());
        dialog.selectFile(proposed.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

CommonDialog::CommonDialog(QWidget *parent) : IntrinsicControl(parent)
{
    QWidget::setVisible(false);
}

void CommonDialog::setVisible(bool)
{
    // Never seen itself: it only opens the system's dialogs.
    QWidget::setVisible(false);
}

void CommonDialog::setChooserOverride(Chooser newChooser)
{
    chooser() = std::move(newChooser);
}

QStringList CommonDialog::qtFilters(const QString &filter)
{
    QStringList filters;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString &p : patterns)
            p = p.trimmed();
        filters << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns.join(u' '));
    }
    return filters;
}

bool CommonDialog::ShowColor()
{
    QWidget *owner = window();
    const std::optional<qint32> chosen = chooser().color ? chooser().color(m_color) : pickColor(owner, m_color);
    if (!chosen)
        return false;
    m_color = *chosen;
    return true;
}

bool CommonDialog::ShowOpen()
{
    const OpenRequest request{qtFilters(m_filter), m_fileName, (m_flags & FileMustExist) != 0};
    QWidget *owner = window();
    const std::optional<QString> chosen = chooser().open ? chooser().open(request) : pickFile(owner, request);
    if (!chosen)
        return false;
    m_fileName = QFileInfo(*chosen).absoluteFilePath();
    return true;
}

} // namespace tallyard
