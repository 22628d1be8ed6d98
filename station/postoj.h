#pragma once

// Where a train stops: the kinds of point it halts at.

class TPociag;
class TPunkt;

// Whether the train stops at the point: shunting units at sidings, entries, platforms and plain
// track points; other trains at sidings and entries, and at platforms unless they need none.
bool MiejscePostoju(const TPociag& pociag, const TPunkt* punkt);
