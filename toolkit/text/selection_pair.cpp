// The selection pair: written by the has-selection operations of the word
// processor and the rich edit, read by the caller right after the call.
#include "wk_text.h"

extern "C" {
int wk_SelStart = 0;
int wk_SelEnd = 0;
}
