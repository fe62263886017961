#pragma once
// The headless clock, read by MilliSecs (internal).
namespace kvx {
int HeadlessClock();
}
