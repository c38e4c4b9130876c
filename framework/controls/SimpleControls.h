#pragma once

// Registers the button, edit box, label and panel classes, so that form resources find them
// by name whether or not a form declares a field of their class.
void RegisterSimpleControls();
