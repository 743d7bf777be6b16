// How fast the machine runs window work at the moment. On the virtual
// machines the benchmark runs on, the same window operation takes from one
// to four or five times as long from one hour to the next, whatever the
// program; every figure of a run moves with it, so the run says where the
// machine stood while it was measured.
#pragma once

namespace bench {

// The median time, in milliseconds, to make and destroy a hidden top-level
// window (one of the costliest window operations under Wine: each is a new
// X window).
double windowMakeAndDestroyMs();

} // namespace bench
