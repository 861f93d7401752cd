#!/usr/bin/env python3
"""Writes data/reference.sql, the reference rows of the Velmar database.

Run from anywhere: python3 data/gen/make_reference.py
The rows come from public standards where there is one (CTCSS, DTMF, selcall tone sets) and
otherwise from the formulas stated beside each table here and in the SQL comments.
"""
import math
import os

FS = 8000  # sample rate of the tone-remote module's signal processor, Hz

CTCSS = [67.0, 69.4, 71.9, 74.4, 77.0, 79.7, 82.5, 85.4, 88.5, 91.5, 94.8, 97.4, 100.0, 103.5, 107.2,
         110.9, 114.8, 118.8, 123.0, 127.3, 131.8, 136.5, 141.3, 146.2, 151.4, 156.7, 159.8, 162.2,
         165.5, 167.9, 171.3, 173.8, 177.3, 179.9, 183.5, 186.2, 189.9, 192.8, 196.6, 199.5, 203.5,
         206.5, 210.7, 218.1, 225.7, 229.1, 233.6, 241.8, 250.3, 254.1]

# Channel steps by the step code of the channel frequency word (code 0 to 6); ID = code + 1.
STEPS = [5000, 6250, 10000, 12500, 20000, 2500, 3125]

FIRMWARE = [1.0, 1.01, 1.02, 1.1, 2.0, 2.01, 2.5, 10.05]
# Program version 3.0 works with every firmware from 1.01 on; 1.0 only with the older program 2.0.
COMPATIBLE = [(2.0, 1.0), (2.0, 1.01)] + [(3.0, v) for v in FIRMWARE if v >= 1.01]

FN_TONES = [650 + 100 * t for t in range(15)]
DTMF = [697, 770, 852, 941, 1209, 1336, 1477, 1633]

# Selcall tone sets: digits 0-9, then the group tone and the repeat tone (published tables).
SELCALL = [
    ("CCIR", [1981, 1124, 1197, 1275, 1358, 1446, 1540, 1640, 1747, 1860, 2400, 2110]),
    ("EEA", [1981, 1124, 1197, 1275, 1358, 1446, 1540, 1640, 1747, 1860, 1055, 2110]),
    ("ZVEI", [2400, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 2200, 2800, 2600]),
    ("DZVEI", [2200, 970, 1060, 1160, 1270, 1400, 1530, 1670, 1830, 2000, 2400, 810]),
]
GROUP, REPEAT = 10, 11  # positions of the group and repeat tones in a tone set
NO_TONE = 255

KEYTONES = [2100, 2175, 2325, 2500, 2600, 2800, 2900, 2970, 3000, 3100]
SLIDE_FREQUENCIES = [2500, 3000]

ALARMS = ["Reverse Power Alarm", "Forward Power Alarm", "Low Battery Alarm", "Line Failure Alarm",
          "Aux Alarm 0", "Aux Alarm 1", "Aux Alarm 2", "Aux Alarm 3",
          "Power Up Confirmation", "Channel Confirmation",
          "User Confirmation 0", "User Confirmation 1", "User Confirmation 2", "User Confirmation 3",
          "Spare Alarm 15", "Spare Alarm 16"]

ACTIONS = ["Set channel", "Auxiliary output on", "Auxiliary output off", "Toggle auxiliary output",
           "Talk-through on", "Talk-through off", "Toggle talk-through", "Toggle loopback",
           "Defeat CTCSS until transmitter keyed", "Defeat CTCSS for momentary time or until keyed",
           "Toggle CTCSS defeat", "Clear alarm/confirmation pip tones", "Cancel alarm",
           "Trigger confirmation message", "No action"]

# Fictional module models: (number, low Hz, high Hz, ref1, ref2, IF, TCXO, prescaler, doubled, kind,
# barred-band low, barred-band high).
MODELS = [
    ("Vr31-05-0000", 148000000, 174000000, 12500, 6250, 21400000, 12800000, 64, "NO", "Receiver", 0, 0),
    ("Vr31-15-0000", 148000000, 174000000, 12500, 6250, 0, 12800000, 64, "NO", "Transmitter", 0, 0),
    ("Vr31-25-0000", 148000000, 174000000, 12500, 6250, 0, 12800000, 64, "NO", "Exciter", 0, 0),
    ("Vr51-05-0000", 403000000, 470000000, 12500, 6250, -21400000, 12800000, 128, "NO", "Receiver", 0, 0),
    ("Vr51-15-0000", 403000000, 470000000, 12500, 6250, 0, 12800000, 64, "YES", "Transmitter", 0, 0),
    ("Vr51-25-0000", 403000000, 470000000, 12500, 6250, 0, 12800000, 64, "YES", "Exciter",
     433000000, 435000000),
    ("Vr71-05-0000", 0, 0, 0, 0, 0, 0, 1, "NO", "ToneRemote", 0, 0),
]


def q15(x):
    return int(round(32767 * x))


def sinc(x):
    return 1.0 if x == 0 else math.sin(math.pi * x) / (math.pi * x)


def band_pass(f0, half_width, taps=25):
    m = (taps - 1) / 2
    out = []
    for k in range(taps):
        n = k - m
        window = 0.54 - 0.46 * math.cos(2 * math.pi * k / (taps - 1))
        low = 2 * half_width / FS * sinc(2 * half_width * n / FS)
        out.append(2 * low * math.cos(2 * math.pi * f0 * n / FS) * window)
    return out


def filter_row(frequency, prefix):
    if prefix == "p":
        return [q15(h) for h in band_pass(frequency, 150)]
    if prefix == "n":
        bp = band_pass(frequency, 150)
        return [q15((1.0 if k == 12 else 0.0) - h) for k, h in enumerate(bp)]
    return [q15(h) for h in band_pass(frequency, 250)]


def fn_tone_coefficients():
    row = []
    for f in FN_TONES:
        w = 2 * math.pi * f / FS
        row += [int(round(65536 * math.cos(w))), q15(math.sin(w))]
    w = 2 * math.pi * 2175 / FS
    row += [int(round(65536 * math.cos(w))), q15(math.sin(w)), len(FN_TONES)]
    return row


def selcall_codes(tones):
    n = len(tones)
    codes = [n, 0]
    for j in range(16):  # message codes 0-9 digits, 10 P, 11 R (repeat), 12 G (group), 13 A, 14 ?, 15 end
        if j <= 9:
            codes.append(j)
        elif j == 11:
            codes.append(REPEAT)
        elif j == 12:
            codes.append(GROUP)
        else:
            codes.append(NO_TONE)
    return codes + [0] * (24 - len(codes))


def num(v):
    return repr(float(v)) if isinstance(v, float) else str(v)


def sql_text(s):
    return "'" + s.replace("'", "''") + "'"


def insert(out, table, columns, rows):
    out.append(f"INSERT INTO {table} ({', '.join(columns)}) VALUES")
    lines = []
    for r in rows:
        lines.append("    (" + ", ".join(sql_text(v) if isinstance(v, str) else num(v) for v in r) + ")")
    out.append(",\n".join(lines) + ";")
    out.append("")


def main():
    out = ["-- Velmar configuration database: reference rows.",
           "-- Written by data/gen/make_reference.py; change the script and run it again rather than this file.",
           "BEGIN;", ""]

    out.append("-- The 50 standard CTCSS tones; the tone code is the position in ascending frequency.")
    insert(out, "tblCTCSS", ["ID", "CTCSSTone", "CTCSSFrequency"],
           [(i + 1, i + 1, f) for i, f in enumerate(CTCSS)])

    out.append("-- Channel steps of the frequency word; ID = step code + 1 (codes 0 to 6).")
    insert(out, "tblFrequencySpace", ["ID", "FrequencySpace"], [(i + 1, float(s)) for i, s in enumerate(STEPS)])

    out.append("-- Module firmware versions and the program versions they work with.")
    insert(out, "tblFirmwareVersion", ["ID", "FirmwareVersion"], [(i + 1, v) for i, v in enumerate(FIRMWARE)])
    insert(out, "tblCompatible", ["VelmarWinVersion", "FirmwareVersion"], COMPATIBLE)

    out.append("-- Function tones (650 Hz + 100 Hz x tone number 0 to 14) and the eight DTMF frequencies")
    out.append("-- (low group 697-941 Hz, high group 1209-1633 Hz); unused positions hold 0.")
    cols = ["ID", "FiveToneStandard"] + [f"Tone{i}" for i in range(1, 25)]
    insert(out, "tonestandards", cols,
           [(1, "FN_Tones", *(FN_TONES + [0] * (24 - len(FN_TONES)))),
            (2, "DTMF", *(DTMF + [0] * (24 - len(DTMF))))])

    out.append("-- Selcall tone sets from the published tables: C0-C9 the digits 0-9, C10 the group tone,")
    out.append("-- C11 the repeat tone, C12-C23 no tone (0). CCIR is first in the list.")
    cols = ["FiveToneStandard", "ListOrder"] + [f"C{i}" for i in range(24)]
    insert(out, "tblTRFiveToneStandard", cols,
           [(name, i, *(tones + [0] * (24 - len(tones)))) for i, (name, tones) in enumerate(SELCALL)])

    out.append("-- Selcall tone codes: C0 = the number of tones of the set, C1 = 0; C2-C17 give, for the")
    out.append("-- message codes 0 to 15, the position of their tone in the set: digits 0-9 their own")
    out.append(f"-- position, repeat (R) {REPEAT}, group (G) {GROUP}, and {NO_TONE} for the codes without a tone")
    out.append("-- (P, A, ?, end); C18-C23 = 0.")
    cols = ["Tone_Standard"] + [f"C{i}" for i in range(24)]
    insert(out, "tblSelcallCode", cols, [(name, *selcall_codes(tones)) for name, tones in SELCALL])

    out.append("-- Function-tone detector coefficients at 8000 samples a second: for tone t = 0..14")
    out.append("-- (f = 650 + 100 t Hz, w = 2 pi f / 8000) C(2t) = round(65536 cos w), the Goertzel")
    out.append("-- coefficient 2 cos w in Q15, and C(2t+1) = round(32767 sin w); C30 and C31 the same pair")
    out.append("-- for the 2175 Hz guard tone; C32 = 15, the number of function tones.")
    cols = ["CoeffSelector"] + [f"C{i}" for i in range(33)]
    insert(out, "tblCoeff", cols, [("FN_Tones", *fn_tone_coefficients())])

    out.append("-- DSP filter rows: 25-tap FIR filters at 8000 samples a second, Hamming window, centre tap")
    out.append("-- 12, coefficients round(32767 h). 'p': band-pass around the keytone, h(k) = 2 lp(k)")
    out.append("-- cos(2 pi f (k-12) / 8000) w(k) with the low-pass lp(k) = (2 B / 8000) sinc(2 B (k-12) / 8000),")
    out.append("-- B = 150 Hz; 'n': band-stop, the unit impulse at tap 12 less the 'p' filter; 'l': the band-pass")
    out.append("-- with B = 250 Hz for the sliding voting tone (2500 Hz) and the idle table (3000 Hz).")
    cols = ["Frequency", "Prefix"] + [f"C{i}" for i in range(25)]
    rows = []
    for f in KEYTONES:
        rows.append((f, "p", *filter_row(f, "p")))
        rows.append((f, "n", *filter_row(f, "n")))
    for f in SLIDE_FREQUENCIES:
        rows.append((f, "l", *filter_row(f, "l")))
    insert(out, "tblTRFilter", cols, rows)

    out.append("-- Mute table: a straight ramp from closed (0) to open (32767), round(32767 ID / 127).")
    insert(out, "tblMute", ["ID", "Mute_Value"], [(i, int(round(32767 * i / 127))) for i in range(128)])

    out.append("-- Alarm and confirmation records 1 to 16.")
    insert(out, "tblTRAlarm", ["id", "alarm"], [(i + 1, a) for i, a in enumerate(ALARMS)])

    out.append("-- The 15 function-tone actions in the order of the action list.")
    insert(out, "tblTRFunctionToneAction", ["ID", "FnTAction"], list(enumerate(ACTIONS)))

    out.append("-- Keytone and tone-on-idle frequencies (the high-level guard tones).")
    insert(out, "tblTRKeytoneFrequency", ["ID", "Frequency"], [(i + 1, f) for i, f in enumerate(KEYTONES)])

    out.append("-- Function tones by tone number.")
    insert(out, "tblTRFnToneFrequency", ["ToneNumber", "Frequency"], list(enumerate(FN_TONES)))

    out.append("-- Line levels of the potentiometer steps, rising with the step, to 0.1 dB:")
    out.append("-- line input -35 dBm + step / 9 dB (step 225: -10 dBm); line output -30 dBm + 20 step / 127 dB")
    out.append("-- (step 127: -10 dBm).")
    line_in = [(s, round(-35 + s / 9, 1)) for s in range(256)]
    line_out = [(s, round(-30 + 20 * s / 127, 1)) for s in range(256)]
    for table in (line_in, line_out):
        assert len({lv for _, lv in table}) == 256
    insert(out, "tblTRLineIn", ["EPOT", "LineLevel"], line_in)
    insert(out, "tblTRLineOut", ["EPOT", "LineLevel"], line_out)

    out.append("-- Module models (fictional): VHF (Vr3x) and UHF (Vr5x) receivers, transmitters and exciters,")
    out.append("-- and a tone-remote line interface. Frequencies in Hz; a receiver's IF is positive for")
    out.append("-- high-side and negative for low-side injection.")
    cols = ["MODULENUMB", "Lowerfreql", "Upperfreql", "Ref1", "Ref2", "IntFreq", "TCXOFreq", "Prescalar", "Doubled",
            "Type", "InfoType", "BANLF", "BANHF"]
    insert(out, "tblMODData", cols,
           [(m[0], *m[1:10], "Standard", float(m[10]), float(m[11])) for m in MODELS])

    out.append("COMMIT;")
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "reference.sql")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
