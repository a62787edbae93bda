// The texts and gauges over the lake: the dashboard with the catch, the clock of timed lakes, the
// centre message and the cash. All are drawn with the object library's image fonts: "bigfont"
// (centre message and cash), "font" (catch text), "digital" (clock digits).
#pragma once

#include <string>

#include "fishing/trip_context.h"

// Tick step 21: the dashboard picture, the catch gauge, the strike bar while a fish is on, and the
// catch text "<fish> FISH <pounds> LBS <inches> IN".
void DrawDashboard(TTripContext& ctx);
// Tick step 22 (timed lakes): shows the seconds left, counts one tick down, and starts the end
// when the time has run out.
void ClockTick(TTripContext& ctx);
// Tick step 26: the centre message, shown while its ticks last (a message set without ticks shows
// for the tick it is set in).
void DrawCentreMessage(TTripContext& ctx);
// Tick step 27: the cash.
void DrawCash(TTripContext& ctx);

// The clock's text for a number of seconds: "00" + s below 10, "0" + s below 100, s below 1000,
// and nothing from 1000 on.
std::string ClockText(int32_t seconds);
// The cash text: right-aligned to six digits with blanks before "$"; nothing for a negative cash
// or one of 1000000 or more.
std::string CashText(int32_t cash);
