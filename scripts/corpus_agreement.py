#!/usr/bin/env python3
"""Field-by-field agreement of `vellumcast-cli analyze --json` with the facts
that independent readers give for the shared real recordings.

Usage: scripts/corpus_agreement.py [CLI] [CORPUS]
  CLI     the vellumcast-cli executable (default build/bin/vellumcast-cli)
  CORPUS  the recordings folder (default $VELLUMCAST_CORPUS or ../shared/corpus)

Prints one line per disagreeing field and the share of fields that agree.
A duel's recording player carries team 10 by the record's own convention;
that value counts as agreeing with any team.
"""

import json
import os
import subprocess
import sys

DUEL_TEAM = 10

# file: facts. players: (name, civilization, colour, team) in slot order;
# None leaves a field out.
FACTS = {
    "aoc-1.0c.mgx": dict(mapId=9, pov="North", duration="00:53:46",
                         players=[("North", 17, None, None), ("H_Haslebo", 17, None, None)]),
    "coop.mgx": dict(mapId=44, mapName="Dry Arabia", duration="00:39:30", pov="Maxmoll",
                     players=[("SbS | Yolo | Cong", None, None, None), ("Maxmoll", None, None, None),
                              ("Hussa! Hussa!", None, None, None), ("The_Flash", None, None, None)]),
    "hd-8players.mgx": dict(mapId=9, size=220, matchSize=4, pov="Idle Beaver",
                            players=[(n, None, None, t) for n, t in [
                                ("ZeroEmpires", 3), ("Befbeer", 2), ("dark_knight1907", 2), ("Idle Beaver", 3),
                                ("Hand Banana", 3), ("Iso", 3), ("JJEL", 2), ("SudsNDeath", 2)]]),
    "up1.4.mgz": dict(mapId=9, duration="00:44:30",
                      players=[("Zuppi", None, None, None), ("JorDan_23", None, None, None)]),
    "scenario-with-messages.mgz": dict(mapId=2, size=144, duration="00:00:00",
                                       players=[("RecAnalyst", None, None, None),
                                                ("Raymond,Prince of Antioch", None, None, None)]),
    "hd-coop-chat.mgx2": dict(mapId=44, mapName="TCC_DoubleGoldRush"),
    "up1.5.mgz": dict(size=200, duration="00:35:27", pov="Myth",
                      players=[("Myth", 17, 1, 0), ("Louis IX", 2, 0, 0), ("Athelred the Unready", 13, 2, 0)]),
    "aok.mgl": dict(size=200, duration="01:57:08", pov="AOKH_Washizu",
                    players=[("AoE2_K_Master", 8, 4, 1), ("Elsakar", 10, 1, 2), ("AOKH_Washizu", 4, 2, 1),
                             ("Baked_potato_", 1, 0, 2)]),
    "hd-ai.mgx2": dict(size=120, duration="00:02:19", pov="Idle Beaver",
                       players=[("Idle Beaver", 23, 3, 1), ("Simone Boccanegra", 19, 0, 2)]),
    "hd-4x.msx2": dict(mapId=12, mapName="Black Forest", size=220, duration="01:26:27", pov="Chris",
                       players=[("salamey30", 8, 0, 2), ("avantasiaguitar", 2, 1, 1), ("TuangCS", 23, 2, 1),
                                ("12345678", 10, 3, 2), ("Chris", 12, 4, 2), ("Putmalk", 18, 5, 1)]),
    "hd-casters.mgx2": dict(size=120, duration="00:28:35", pov="_Spring_", matchSize=1,
                            spectators=["ZeroEmpires", "Resonance22"],
                            players=[("_Spring_", 21, 0, None), ("[TheJedi]HallisYoScholar", 21, 3, None)]),
}


def analyze(cli, path):
    out = subprocess.run([cli, "analyze", "--json", path], capture_output=True, check=False).stdout
    return json.loads(out)[0]


def compare(name, facts, got):
    results = []

    def check(field, want, have):
        ok = want == have
        results.append(ok)
        if not ok:
            print(f"{name}: {field}: expected {want!r}, read {have!r}")

    players = got.get("players", [])
    for key in ("mapId", "mapName", "duration", "matchSize"):
        if key in facts:
            check(key, facts[key], got.get(key))
    if "size" in facts:
        check("mapSize", (facts["size"], facts["size"]), (got.get("mapWidth"), got.get("mapHeight")))
    if "spectators" in facts:
        check("spectators", facts["spectators"], got.get("spectators", []))
    if "pov" in facts:
        slot = got.get("povSlot", 0)
        pov = next((p["name"] for p in players if p["slot"] == slot), None)
        check("pov", facts["pov"], pov)
    want_players = facts.get("players", [])
    if want_players:
        check("playerCount", len(want_players), len(players))
    for i, (pname, civ, colour, team) in enumerate(want_players):
        have = players[i] if i < len(players) else {}
        check(f"player {i + 1} name", pname, have.get("name"))
        if civ is not None:
            check(f"player {i + 1} civilization", civ, have.get("civilization"))
        if colour is not None:
            check(f"player {i + 1} colour", colour, have.get("colour"))
        if team is not None:
            t = have.get("team")
            check(f"player {i + 1} team", team, team if t == DUEL_TEAM else t)
    return results


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else "build/bin/vellumcast-cli"
    corpus = sys.argv[2] if len(sys.argv) > 2 else os.environ.get("VELLUMCAST_CORPUS", "../shared/corpus")
    total = []
    for name, facts in FACTS.items():
        path = os.path.join(corpus, name)
        if not os.path.exists(path):
            print(f"{name}: missing, skipped")
            continue
        total += compare(name, facts, analyze(cli, path))
    agreed = sum(total)
    print(f"agreement: {agreed}/{len(total)} fields ({100.0 * agreed / max(1, len(total)):.1f}%)")


if __name__ == "__main__":
    main()
