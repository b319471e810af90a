"""An independent model of the rules, written from the rules alone, to check
velmo-sim's whole seasons byte for byte. It shares the C library's rand()
through ctypes, so the same seed gives the same draws."""
import ctypes
import os

LIBC = ctypes.CDLL("libc.so.6")
HUMAN = 19


def rnd(n):
    return LIBC.rand() % n


def limit(v):
    return 30 if v > 30 else (1 if v <= 0 else v)


def words(path):
    with open(path) as f:
        return f.read().split()


class Model:
    def __init__(self, folder, seed):
        LIBC.srand(ctypes.c_uint(seed))
        self.players = []
        w = words(os.path.join(folder, "velmo.dat"))
        for k in range(min(22, len(w) // 8)):
            n, sur, name, role, a, t, f, c = w[8 * k:8 * k + 8]
            self.players.append(dict(number=int(n), surname=sur, role=role,
                                     t=limit(int(t)), f=limit(int(f)), c=limit(int(c))))
        self.teams = []
        w = words(os.path.join(folder, "teams.dat"))
        for k in range(min(19, len(w) // 13)):
            b = w[13 * k:13 * k + 13]
            team = dict(id=int(b[0]), name=b[1], keeper=int(b[3]),
                        bt=[limit(int(b[4 + 3 * s])) for s in range(3)],
                        bf=[limit(int(b[5 + 3 * s])) for s in range(3)],
                        bc=[limit(int(b[6 + 3 * s])) for s in range(3)])
            team["fatigue"] = [25 + rnd(7) for _ in range(3)]
            self.teams.append(team)
        while len(self.teams) < 19:
            self.teams.append(dict(id=0, name="", keeper=0, bt=[0] * 3, bf=[0] * 3, bc=[0] * 3,
                                   fatigue=[0] * 3))
        self.teams.append(dict(id=HUMAN, name="VELMO", fatigue=[0, 0, 0]))
        for t in self.teams:
            t.update(points=0, won=0, drawn=0, lost=0, gf=0, ga=0)
            t.setdefault("module", [0, 0, 0])
            for key in ("tech", "fan", "cond"):
                t.setdefault(key, [0, 0, 0])
        self.days = []
        w = words(os.path.join(folder, "calendario.dat"))
        for k in range(min(38, len(w) // 21)):
            b = list(map(int, w[21 * k:21 * k + 21]))
            self.days.append(dict(number=b[0], home=b[1::2], away=b[2::2], hg=[0] * 10, ag=[0] * 10))
        while len(self.days) < 38:
            self.days.append(dict(number=-1, home=[-1] * 10, away=[-1] * 10, hg=[0] * 10, ag=[0] * 10))
        self.matchday = 0
        self.today = 0
        self.opponent = 0
        self.goals = [0, 0]
        self.sides = [None, None]

    def slot(self, team_id):
        for i, t in enumerate(self.teams):
            if t["id"] == team_id:
                return i
        return 0

    def player(self, number):
        for p in self.players:
            if p["number"] == number:
                return p
        return None

    # The human club's line-up from squad rows.
    def lineup(self, starter_rows, sub_rows):
        v = dict(module=[0, 0, 0], tech=[0, 0, 0], fan=[0, 0, 0], cond=[0, 0, 0], fatigue=[0, 0, 0])
        rows = sorted(starter_rows)[:11]
        v["starters"] = [self.players[r]["number"] if r < len(self.players) else 0 for r in rows]
        v["starters"] += [0] * (11 - len(v["starters"]))
        for r in rows:
            if r < len(self.players):
                self.enter(v, self.players[r], 1)
        self.velmo = v

    def enter(self, v, p, sign):
        sector = {"GK": 0, "DF": 0, "MF": 1, "AT": 2}.get(p["role"])
        if sector is None:
            return
        if p["role"] != "GK":
            v["module"][sector] += sign
        v["tech"][sector] += sign * p["t"]
        v["fan"][sector] += sign * p["f"]
        v["cond"][sector] += sign * p["c"]

    def make_team(self, team_id):
        result = 0
        for i, t in enumerate(self.teams):
            if t["id"] != team_id:
                continue
            t["fatigue"] = [28, 28, 28]
            m0 = [3, 4, 5][rnd(3)]
            m1 = [3, 4, 5][rnd(3)]
            t["module"] = [m0, m1, 10 - m0 - m1]
            ef, et, ec = [0] * 3, [0] * 3, [0] * 3
            ef[2], ef[1], ef[0] = rnd(15) - 7, rnd(15) - 7, rnd(15) - 7
            et[2], et[1], et[0] = rnd(15) - 7, rnd(15) - 7, rnd(15) - 7
            ec[0] = rnd(5) - 2
            ec[2] = rnd(5) - 2
            ec[1] = rnd(5) - 2
            for k in range(3):
                keeper = t["keeper"] if k == 0 else 0
                t["tech"][k] = t["bt"][k] * t["module"][k] + et[k] + keeper
                t["fan"][k] = t["bf"][k] * t["module"][k] + ef[k] + keeper
                t["cond"][k] = t["bc"][k] * t["module"][k] + ec[k] + keeper
            for key in ("cond", "tech", "fan"):
                if t[key][2] <= 9:
                    t[key][2] = 10
            result = i
        return result

    def prepare_opponent(self):
        if self.matchday >= 38 or self.days[self.matchday]["number"] == -1:
            return
        day = self.days[self.matchday]
        if day["number"] == self.today:
            return
        self.today = day["number"]
        opp = None
        for j in range(10):
            if day["home"][j] == HUMAN:
                opp = day["away"][j]
        if opp is None:
            for j in range(10):
                if day["away"][j] == HUMAN:
                    opp = day["home"][j]
        if opp is not None:
            self.opponent = self.make_team(opp)

    def play(self, zone, minute, t1, t2):
        def strength(side, s):
            return side["tech"][s] + side["fan"][s] + side["cond"][s] - int(side["fatigue"][s] * minute / 200)
        a, b = self.sides
        d1, m1, a1 = (strength(a, s) for s in range(3))
        d2, m2, a2 = (strength(b, s) for s in range(3))
        r1 = rnd(100)
        r2 = rnd(100)
        if zone == 1:
            f = d1 - t1 * m1 / 5.0
            s = a2 + t2 * m2 / 5.0
            if self.goals[1] - self.goals[0] > 2:
                s = s / 2.0
        elif zone == 2:
            f = m1 - t1 * a1 / 4.0
            s = m2 + t2 * a2 / 4.0
        else:
            f = a1 + t1 * m1 / 5.0
            s = d2 + t2 * m2 / 5.0
            if self.goals[0] - self.goals[1] > 2:
                f = f / 2.0
        v = f - s + (r1 - r2)
        return zone - 1 if v < 0 else zone + 1

    def record(self, x, y, gx, gy):
        sx, sy = self.teams[self.slot(x)], self.teams[self.slot(y)]
        sx["gf"] += gx; sx["ga"] += gy; sy["gf"] += gy; sy["ga"] += gx
        if gx > gy:
            sx["points"] += 3; sx["won"] += 1; sy["lost"] += 1
        elif gx == gy:
            sx["points"] += 1; sx["drawn"] += 1; sy["points"] += 1; sy["drawn"] += 1
        else:
            sy["points"] += 3; sy["won"] += 1; sx["lost"] += 1
        day = self.days[self.matchday]
        for i in range(10):
            if day["home"][i] == x and day["away"][i] == y:
                day["hg"][i], day["ag"][i] = gx, gy
            if day["away"][i] == x and day["home"][i] == y:
                day["hg"][i], day["ag"][i] = gy, gx

    def human_match(self, tactic):
        opp = self.teams[self.opponent]
        self.sides = [dict(self.velmo), dict(opp)]
        self.goals = [0, 0]
        rnd(5)  # the chant
        zone = 2
        for clock in range(1, 46):
            zone = self.play(zone, clock, tactic, 0)
            if zone == 0:
                self.goals[1] += 1
                zone = 2
            elif zone == 4:
                rnd(5)  # the scorer
                self.goals[0] += 1
                zone = 2
        g0, g1 = self.goals
        for number in self.velmo["starters"]:
            p = self.player(number)
            if p is not None:
                p["c"] = min(30, p["c"] + 1) if g0 > g1 else (max(1, p["c"] - 1) if g0 < g1 else p["c"])
        self.record(HUMAN, opp["id"], g0, g1)
        self.play_all()
        self.matchday += 1

    def play_all(self):
        day = self.days[self.matchday]
        for i in range(10):
            h, a = day["home"][i], day["away"][i]
            if h == HUMAN or a == HUMAN:
                continue
            hs, as_ = self.make_team(h), self.make_team(a)
            th, ta = self.teams[hs], self.teams[as_]
            side0 = dict(fatigue=list(th["fatigue"]))
            side0["tech"] = [th["tech"][0] + rnd(20), th["tech"][1] + rnd(20), th["tech"][2] + rnd(30)]
            side0["fan"] = [th["fan"][0] + rnd(20), th["fan"][1] + rnd(20), th["fan"][2] + rnd(30)]
            side0["cond"] = [th["cond"][k] + rnd(20) for k in range(3)]
            side1 = dict(fatigue=list(ta["fatigue"]))
            side1["tech"] = [ta["tech"][k] + rnd(10) for k in range(3)]
            side1["fan"] = [ta["fan"][k] + rnd(10) for k in range(3)]
            side1["cond"] = [ta["cond"][k] + rnd(10) for k in range(3)]
            self.sides = [side0, side1]
            zone, hg, ag = 2, 0, 0
            self.goals = [0, 0]
            hcap = [2, 3, 4, 5][rnd(4)]
            acap = [2, 3, 4, 5][rnd(4)]
            tactics = [-2, -1, 0, 0, 1, 2]
            for minute in range(90):
                ht = tactics[rnd(6)]
                at = tactics[rnd(6)]
                zone = self.play(zone, minute, ht, at)
                if zone == 0:
                    ag = min(ag + 1, acap)
                    self.goals[1] = ag
                    zone = 2
                if zone == 4:
                    hg = min(hg + 1, hcap)
                    self.goals[0] = hg
                    zone = 2
            self.record(h, a, hg, ag)

    def season_over(self):
        return self.matchday >= 38 or self.days[self.matchday]["number"] == -1

    def saved_text(self):
        rows = sorted(range(20), key=lambda i: (-self.teams[i]["points"],
                                                -(self.teams[i]["gf"] - self.teams[i]["ga"]), i))
        out = [f"{self.matchday} \n"]
        for i in rows:
            t = self.teams[i]
            out.append(f"{t['name']} {t['points']} {t['won']} {t['drawn']} {t['lost']} "
                       f"{t['gf']} {t['ga']} {t['id']} \n")
        for d in self.days[:self.matchday]:
            out.append(f"{d['number']} \n")
            for j in range(10):
                out.append(f"{d['home'][j]} {d['away'][j]} {d['hg'][j]} {d['ag'][j]} \n")
        return "".join(out)


def season_text(folder, seed, starters, subs, tactic=0, matchdays=38):
    model = Model(folder, seed)
    model.prepare_opponent()
    model.lineup(starters, subs)
    if model.velmo["starters"][10] <= 0:
        return None
    played = 0
    while played < matchdays and not model.season_over():
        model.human_match(tactic)
        model.prepare_opponent()
        played += 1
    return model.saved_text()
