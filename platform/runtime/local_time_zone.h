#pragma once

// The process's local time zone, settled once at start.
//
// With TZ unset, GLib (beneath the compound-file reader of binary schedules) looks the
// system's zone up again for every local time it makes: a stat and a readlink of
// /etc/localtime for each directory entry of an .mpp file, which is most of the time it
// takes to open a small schedule. Naming the system's zone in TZ keeps every library on the
// same zone (the C library, GLib and Qt all read ":/etc/localtime" as the system's zone)
// and lets GLib keep the zone it found.

namespace taskvane {

// Sets TZ to ":/etc/localtime" when it is unset; call it at the start of a program, before
// any thread starts. A TZ the user set is kept.
void SettleLocalTimeZone();

}  // namespace taskvane
