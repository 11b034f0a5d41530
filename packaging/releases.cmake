# SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Every release, newest first: "version|date|what it brought". The Debian
# changelog and the AppStream record are both made from this one list.
set(TAVRIN_RELEASES
    "1.00|2026-12-06|First release: sequential and random reviews of all 204 limits."
)
