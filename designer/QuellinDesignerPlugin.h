// SPDX-FileCopyrightText: 2026 The Tallyard developers
// SPDX-License-Identifier: MIT

#pragma once
// Qt Designer's view of the control library: one widget box entry per control, collected
// under "Quellin".

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QIcon>
#include <QObject>

#include <functional>

namespace tallyard {
class Control;
}

namespace quellin::designer {

// What Designer shows of one control and how it makes one.
struct ControlEntry {
    QString className; // as in the .ui file and uic's code: quellin::TimeLED
    QString includeFile;
    QString toolTip;
    QString whatsThis;
    QIcon (*icon)();
    std::function<tallyard::Control *(QWidget *parent)> create;
};

class ControlPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    ControlPlugin(ControlEntry entry, QObject *parent);

    QString name() const override { return m_entry.className; }
    QString group() const override { return QStringLiteral("Quellin"); }
    QString toolTip() const override { return m_entry.toolTip; }
    QString whatsThis() const override { return m_entry.whatsThis; }
    QString includeFile() const override { return m_entry.includeFile; }
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget *createWidget(QWidget *parent) override;
    bool isInitialized() const override { return m_initialized; }
    void initialize(QDesignerFormEditorInterface *core) override;
    QString domXml() const override;

private:
    ControlEntry m_entry;
    bool m_initialized = false;
    mutable QIcon m_icon;
};

class QuellinDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit QuellinDesignerPlugin(QObject *parent = nullptr);

    QList<QDesignerCustomWidgetInterface *> customWidgets() const override { return m_widgets; }

private:
    QList<QDesignerCustomWidgetInterface *> m_widgets;
};

} // namespace quellin::designer
