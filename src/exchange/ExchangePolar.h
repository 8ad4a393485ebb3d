#pragma once

// A transponder's polarisation in a receiver list: the satellites.xml codes 0..3, and Auto, the
// meter's own choice, which our CSV names ("Auto") and our satellites.xml leaves unnamed.
enum class ExchangePolar { Horizontal = 0, Vertical = 1, CircularLeft = 2, CircularRight = 3, Auto = 4 };
