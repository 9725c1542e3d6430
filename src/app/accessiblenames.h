// Names a screen reader speaks for each input of the window: the text of the label that a sighted
// user reads beside or above it.
#pragma once

class Form1;

void nameInputsAfterTheirLabels(Form1& form);
