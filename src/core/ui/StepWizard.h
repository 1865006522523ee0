#pragma once

#include "core/Registry.h"

#include <QDialog>
#include <QStringList>

struct Services;
class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;

/// The frame of the step-by-step wizards (configuration, web booking, mailing list): one page (fraStep0, fraStep1, ...)
/// per step, whose caption is also the window's; a welcome step whose "Display this welcome screen at startup" box is
/// kept as a settings flag ("1" skips the welcome step); Back hidden on the welcome step, Next reading "&Finish" on the
/// last. A subclass fills the other pages and says what leaving a step and finishing do.
class StepWizard : public QDialog
{
    Q_OBJECT
public:
    int currentStep() const { return m_step; }

protected:
    /// captions: one per step, the first for the welcome step. welcomeFlag: the settings value of the box.
    StepWizard(Services& services, const QString& objectName, const QStringList& captions, const Setting& welcomeFlag,
               const QString& usage, QWidget* parent);

    /// The frame (fraStep<n>) of a step, for the subclass to fill.
    QWidget* frame(int step) const;
    /// A wrapping text label on a page.
    static QLabel* text(const QString& text, QWidget* page);
    /// Reads the welcome flag and shows the start step; the subclass calls it once its pages are built.
    void start();
    /// Whether Next may leave step (the subclass tells the user why not).
    virtual bool leaveStep(int step);
    /// Next on the last step.
    virtual void finish() = 0;
    /// Writes the welcome flag ("0" ticked, "1" clear), only when the box changed since the wizard opened.
    void storeWelcomeFlag();

    Services& m_services;

private:
    void showStep();
    void next();
    void back();

    QStringList m_captions;
    Setting m_welcomeFlag;
    int m_step = 0;
    bool m_welcomeTickedAtStart = true;
    QStackedWidget* m_pages;
    QCheckBox* m_chkWelcome;
    QPushButton* m_cmdBack;
    QPushButton* m_cmdNext;
    QPushButton* m_cmdCancel;
};
