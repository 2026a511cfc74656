#pragma once

class QDialog;
class QKeyEvent;

// Enter in a dialog without a default button: a focused push button is pressed, anywhere else
// (a field, a radio button, a check box) the dialog is confirmed with accept(). True when the
// key was Enter and has been handled.
bool HandleEnterKey(QDialog &dialog, QKeyEvent *event);
