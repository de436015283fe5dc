#pragma once

class QString;
class QWidget;

// The page behind each selector of the settings dialog, by the selector's object name
// ("radBtnDataSet"). Creates a fresh page with the given parent, or returns null for a
// selector that has no page.
QWidget *createSettingsPage(const QString &selector, QWidget *parent);
