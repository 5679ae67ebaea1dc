#pragma once
#include <QString>

class QWidget;

// A label's text as a name to read out: without its mnemonic ("棒の幅(&W)" → "棒の幅",
// "&Open" → "Open") and without a closing colon.
QString LabelName(const QString& strLabel);

// Names every control below root that has no accessible name yet and no text of its own:
// by the label whose buddy it is, or else by its tooltip.
void NameControls(QWidget& root);
