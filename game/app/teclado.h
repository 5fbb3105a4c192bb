// Turns the recorded key and mouse states into game actions, once per frame.
#pragma once

class EventReceiver;

void process_input(EventReceiver* evRec);

// How many steps to the next weapon the player asked for this frame: one for a new press of A, one
// for a wheel movement (the wheel sum is consumed, so one movement asks once).
int weaponSwitchesAsked(EventReceiver* evRec);
