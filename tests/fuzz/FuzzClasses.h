#pragma once

// Registers the classes a fuzz target's resources may name as roots: the model tests' form
// and the stand-ins of the player's five forms under their real names. Their components'
// classes are found through the forms' published fields.
void RegisterFuzzClasses();
