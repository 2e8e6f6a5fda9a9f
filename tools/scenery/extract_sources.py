#!/usr/bin/env python3
"""Cuts the compact scenery sources in data/scenery/ out of the full data
pack (airports, runways, runway ends, navaids, frequencies, ILS, elevation
grid, water mask).  Run once at authoring time:

    python3 tools/scenery/extract_sources.py <data pack folder> data/scenery

Only the Python 3 standard library is used.  Running it twice gives the
same bytes.  See docs/scenery.md for what is kept and why.
"""
import csv
import math
import os
import shutil
import struct
import sys
import unicodedata
import zlib

AIRPORT_TYPES = {"large_airport": "L", "medium_airport": "M", "small_airport": "S"}
VOR_TYPES = {"VOR", "VOR-DME", "VORTAC"}
NDB_TYPES = {"NDB", "NDB-DME"}


def ascii_text(s, limit=40):
    """Plain ASCII without commas, cut to `limit` characters."""
    s = unicodedata.normalize("NFKD", s)
    s = "".join(c for c in s if 32 <= ord(c) < 127)
    s = s.replace(",", " ").replace('"', "").strip()
    return " ".join(s.split())[:limit]


def fnum(s, decimals):
    """A number rounded to `decimals`, or empty when not given."""
    if s is None or s.strip() == "":
        return ""
    v = round(float(s), decimals)
    text = ("%.*f" % (decimals, v)) if decimals > 0 else str(int(v))
    return "0" if text in ("-0", "-0.0") else text


def is_code3(s):
    return len(s) == 3 and s.isalnum() and s.upper() == s


def airport_code(row, nasr_lid):
    """The three-character identifier of an airport, '' when it has none."""
    if nasr_lid:
        return nasr_lid if is_code3(nasr_lid) else ""
    for c in (row["local_code"], row["gps_code"], row["ident"]):
        if is_code3(c):
            return c
        if len(c) == 4 and c[0] == "K" and is_code3(c[1:]):
            return c[1:]
    return ""


def read_csv(path):
    with open(path, newline="", encoding="utf-8") as f:
        return list(csv.DictReader(f))


def surface_class(s):
    s = s.upper()
    if s.startswith("WAT"):
        return "W"
    for hard in ("ASP", "CON", "PEM", "BIT", "ASPH", "CONC"):
        if s.startswith(hard):
            return "H"
    return "S"


def end_number_ok(ident):
    digits = "".join(c for c in ident if c.isdigit())
    return digits != "" and 1 <= int(digits) <= 36


def build_aviation(src, dst):
    av = os.path.join(src, "aviation")
    airports = read_csv(os.path.join(av, "us-airports.csv"))
    runways = read_csv(os.path.join(av, "us-runways.csv"))
    ends = read_csv(os.path.join(av, "us-runway-ends-nasr.csv"))
    freqs = read_csv(os.path.join(av, "us-frequencies.csv"))
    ils = read_csv(os.path.join(src, "ils", "us-ils.csv"))

    nasr_lid = {}          # OurAirports id -> FAA identifier
    nasr_rwy = {}          # (OurAirports id, runway) -> [end rows]
    for e in ends:
        if e["ourairports_id"] and e["country"] == "US":
            nasr_lid.setdefault(e["ourairports_id"], e["airport_lid"])
            nasr_rwy.setdefault((e["ourairports_id"], e["runway"]), []).append(e)
    towered = {f["airport_ref"] for f in freqs if f["type"].upper() in ("TWR", "TOWER", "ATCT")}
    oa_rwy = {}
    for r in runways:
        oa_rwy.setdefault(r["airport_ref"], []).append(r)
    oa_rwy_by_id = {r["id"]: r for r in runways}

    code_of = {}
    kept = []
    for a in airports:
        kind = AIRPORT_TYPES.get(a["type"])
        if not kind:
            continue
        code = airport_code(a, nasr_lid.get(a["id"], ""))
        if not code:
            continue
        code_of[a["id"]] = code
        kept.append((a, kind, code))

    apt_rows, rwy_rows = [], []
    for a, kind, code in kept:
        rows = []
        nasr_keys = sorted(k for k in nasr_rwy if k[0] == a["id"]) if a["id"] in nasr_lid else []
        if nasr_keys:
            for key in nasr_keys:
                e = nasr_rwy[key]
                if e[0]["facility_type"] not in ("AIRPORT", "ULTRALIGHT", "GLIDERPORT"):
                    continue
                oa = oa_rwy_by_id.get(e[0]["ourairports_runway_id"])
                rows.append(runway_from_nasr(code, e, oa))
        else:
            for r in oa_rwy.get(a["id"], []):
                if r["closed"] != "1":
                    rows.append(runway_from_oa(code, r))
        rows = [r for r in rows if r]
        if not rows:
            continue
        lat, lon = reference_point(a, [nasr_rwy[k] for k in nasr_keys])
        apt_rows.append([code, kind, "1" if a["scheduled_service"] == "yes" else "0",
                         "1" if a["id"] in towered else "0", fnum(lat, 6), fnum(lon, 6),
                         fnum(a["elevation_ft"], 0), ascii_text(a["name"])])
        rwy_rows.extend(rows)

    ils_rows = []
    for i in ils:
        code = code_of.get(i["ourairports_id"], "")
        if not code or not i["loc_freq_mhz"]:
            continue
        ils_rows.append([code, i["runway_end"], i["type"], i["category"], i["loc_freq_mhz"],
                         fnum(i["course_true_deg_est"], 2), fnum(i["gs_angle_deg"], 2),
                         fnum(i["tch_ft"], 0), fnum(i["displaced_threshold_ft"], 0),
                         fnum(i["thr_elev_ft"], 1)])

    write_csv(os.path.join(dst, "airports.csv"),
              ["id", "kind", "scheduled", "tower", "lat", "lon", "elev_ft", "name"], apt_rows)
    write_csv(os.path.join(dst, "runways.csv"),
              ["id", "length_ft", "width_ft", "surface", "end1", "lat1", "lon1", "elev1_ft",
               "disp1_ft", "hdg1_true", "end2", "lat2", "lon2", "elev2_ft", "disp2_ft"], rwy_rows)
    write_csv(os.path.join(dst, "ils.csv"),
              ["id", "runway_end", "type", "category", "freq_mhz", "course_true", "gs_angle",
               "tch_ft", "disp_ft", "thr_elev_ft"], ils_rows)
    print("airports %d, runways %d, ils %d" % (len(apt_rows), len(rwy_rows), len(ils_rows)))


def reference_point(a, nasr_runways):
    """The airport's position; the middle of its FAA runway ends where the
    OurAirports position lies more than 3 km from them (a typing error)."""
    lat, lon = a["latitude_deg"], a["longitude_deg"]
    ends = [(float(e["thr_lat"]), float(e["thr_lon"])) for r in nasr_runways for e in r if e["thr_lat"]]
    if not ends:
        return lat, lon
    mlat = sum(e[0] for e in ends) / len(ends)
    mlon = sum(e[1] for e in ends) / len(ends)
    dy = (mlat - float(lat)) * 111120.0
    dx = (mlon - float(lon)) * 111120.0 * math.cos(math.radians(mlat))
    if math.hypot(dx, dy) > 3000:
        return repr(mlat), repr(mlon)
    return lat, lon


def runway_from_nasr(code, e, oa):
    """One runway from its NASR end rows; OurAirports fills missing ends."""
    first = e[0]
    if not first["length_ft"] or not end_number_ok(first["runway_end"]):
        return None
    second = e[1] if len(e) > 1 else None
    out = [code, first["length_ft"], first["width_ft"], surface_class(first["surface"])]
    for n, end in enumerate((first, second)):
        if end is None:
            out += ["", "", "", "", ""] + ([""] if n == 0 else [])
            continue
        lat, lon, elev = end["thr_lat"], end["thr_lon"], end["thr_elev_ft"]
        if not lat and oa is not None:
            pre = "le_" if n == 0 else "he_"
            lat, lon = oa[pre + "latitude_deg"], oa[pre + "longitude_deg"]
            elev = elev or oa[pre + "elevation_ft"]
        out += [end["runway_end"], fnum(lat, 6), fnum(lon, 6), fnum(elev, 0),
                fnum(end["displaced_threshold_ft"], 0)]
        if n == 0:
            out.append(fnum(end["true_heading_deg"], 1))
    return out


def runway_from_oa(code, r):
    if not r["length_ft"] or not end_number_ok(r["le_ident"]):
        return None
    out = [code, r["length_ft"], r["width_ft"], surface_class(r["surface"])]
    for pre in ("le_", "he_"):
        if not r[pre + "ident"]:
            out += ["", "", "", "", ""]
            continue
        out += [r[pre + "ident"], fnum(r[pre + "latitude_deg"], 6), fnum(r[pre + "longitude_deg"], 6),
                fnum(r[pre + "elevation_ft"], 0), fnum(r[pre + "displaced_threshold_ft"], 0)]
        if pre == "le_":
            out.append(fnum(r["le_heading_degT"], 1))
    return out


def build_navaids(src, dst):
    rows = []
    for n in read_csv(os.path.join(src, "aviation", "us-navaids.csv")):
        kind = "V" if n["type"] in VOR_TYPES else "N" if n["type"] in NDB_TYPES else ""
        if not kind or not n["frequency_khz"] or not n["ident"]:
            continue
        rows.append([kind, ascii_text(n["ident"], 3), n["frequency_khz"], fnum(n["latitude_deg"], 6),
                     fnum(n["longitude_deg"], 6), fnum(n["elevation_ft"], 0), ascii_text(n["name"])])
    rows.sort(key=lambda r: (r[0], r[1], r[3], r[4]))
    write_csv(os.path.join(dst, "navaids.csv"),
              ["kind", "ident", "freq_khz", "lat", "lon", "elev_ft", "name"], rows)
    print("navaids %d" % len(rows))


def write_csv(path, header, rows):
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write(",".join(header) + "\n")
        for r in rows:
            f.write(",".join(r) + "\n")


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def build_terrain(src, dst):
    """The elevation grid as a 16-bit grey PNG; sea floor and depressions
    become 0 so coastal land interpolates towards sea level, not the sea bed."""
    rows, cols = 685, 1441
    with open(os.path.join(src, "terrain", "etopo5_us.i16"), "rb") as f:
        raw = f.read()
    values = struct.unpack("<%dh" % (rows * cols), raw)
    scan = bytearray()
    prev = bytes(2 * cols)
    for r in range(rows):
        line = struct.pack(">%dH" % cols, *[max(0, v) for v in values[r * cols:(r + 1) * cols]])
        scan.append(2)                              # filter "up": each byte minus the one above
        scan += bytes((line[k] - prev[k]) & 0xFF for k in range(2 * cols))
        prev = line
    png = b"\x89PNG\r\n\x1a\n"
    png += png_chunk(b"IHDR", struct.pack(">IIBBBBB", cols, rows, 16, 0, 0, 0, 0))
    png += png_chunk(b"IDAT", zlib.compress(bytes(scan), 9))
    png += png_chunk(b"IEND", b"")
    with open(os.path.join(dst, "terrain_etopo5.png"), "wb") as f:
        f.write(png)


def main():
    src, dst = sys.argv[1], sys.argv[2]
    os.makedirs(dst, exist_ok=True)
    build_aviation(src, dst)
    build_navaids(src, dst)
    build_terrain(src, dst)
    shutil.copyfile(os.path.join(src, "water", "gshhg_water_30s.png"),
                    os.path.join(dst, "water_gshhg_30s.png"))


if __name__ == "__main__":
    main()
