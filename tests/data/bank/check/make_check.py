#!/usr/bin/env python3
"""Writes the cross-check bank samples and their expected outputs (Windows-1250).

Inputs are assembled from (text, width) fields so every fixed position is
right. The expected texts are written out line by line from the format rules,
for the path C:\\Banka\\kontrola.<ext> and the modification date 5.1.2009.
Each expected line ends in CR LF.
"""
import pathlib

HERE = pathlib.Path(__file__).parent
S70 = "*" * 70
S40 = "*" * 40


def write_bytes(name, text):
    (HERE / name).write_bytes(text.encode("cp1250"))


def expected(name, lines):
    write_bytes(name, "".join(line + "\r\n" for line in lines))


def fixed(*fields):
    out = ""
    for text, width in fields:
        assert len(text) == width, (text, width)
        out += text
    return out


# ---------------------------------------------------------------- KPC
# Two groups; the second line ends in LF only; lines after "5 +" are ignored.
kpc = [
    "UHL1081209Pekařství Čížek s.r.o.0000000042001999000000000000",
    "1 1501 002000 5500",
    "2 000019-2000145399 1234567 101209",
    "000000-0000123457 000000000001001 1234567890 03000308 0000000000 Záloha na říjen č. 5",
    "19-2000145399 99 0000000000 01000000 0000000000 AV:Úhrada  dvě mezery",
    "3 +",
    "2 000000-0000987654 50 111209",
    "2900123456 123456789 77 08000558 12 Přeplatek",
    "123",
    "3 +",
    "5 +",
    "000000-1111111111 000000000099999 1 00000000 0 ignorovat",
    "2 000000-2222222222 100 010101",
]
write_bytes("check_two_groups.kpc",
            "\r\n".join(kpc[:1]) + "\r\n" + kpc[1] + "\n" + "\r\n".join(kpc[2:]) + "\r\n")
expected("check_two_groups.kpc.expected", [
    "Soubor:  C:\\Banka\\kontrola.kpc",
    "Ze dne:  5.1.2009",
    "",
    S70,
    "Firma: Pekařství Čížek s.r.",
    "Na vrub účtu:  000019-2000145399 / 5500",
    "Celková částka k proplacení:  12 345,67",
    "Datum splatnosti:  10.12.09",
    S70,
    "",
    "Ve prospěch účtu:  000000-0000123457 / 0300",
    "Částka:  10,01",
    "VS:  1234567890",
    "KS:  0308",
    "SS:  0000000000",
    "Zpráva pro příjemce:  Záloha na říjen č. 5",
    "",
    "Ve prospěch účtu:  19-2000145399 / 0100",
    "Částka:  0,99",
    "VS:  0000000000",
    "KS:  0000",
    "SS:  0000000000",
    "Zpráva pro příjemce:  AV:Úhrada  dvě mezery",
    "",
    S70,
    "Firma: Pekařství Čížek s.r.",
    "Na vrub účtu:  000000-0000987654 / 5500",
    "Celková částka k proplacení:  0,50",
    "Datum splatnosti:  11.12.09",
    S70,
    "",
    "Ve prospěch účtu:  2900123456 / 0800",
    "Částka:  1 234 567,89",
    "VS:  77",
    "KS:  0558",
    "SS:  12",
    "Zpráva pro příjemce:  Přeplatek",
    "",
    "Ve prospěch účtu:  123 / ",
    "Částka:  0,00",
    "VS:  ",
    "KS:  ",
    "SS:  ",
    "Zpráva pro příjemce:  ",
    "",
    S70,
    "Celkový počet řádků:  4",
    "Celková částka k proplacení:  1 234 578,89",
    S70,
])


# ---------------------------------------------------------------- GPC
def head(account, name, char39, old_date, old, old_sign, new, new_sign, debit, debit_sign,
         credit, credit_sign, number, date):
    return fixed(("074", 3), (account, 16), (name, 19), (char39, 1), (old_date, 6), (old, 14),
                 (old_sign, 1), (new, 14), (new_sign, 1), (debit, 14), (debit_sign, 1),
                 (credit, 14), (credit_sign, 1), (number, 3), (date, 6)) + "FFFFFFFFFFFFFF"


def item(counter, doc, amount, code, vs, bank, ks, ss, message, due):
    return fixed(("075", 3), ("0000000123456789", 16), (counter, 16), (doc, 13), (amount, 12),
                 (code, 1), (vs, 10), ("00", 2), (bank, 4), (ks, 4), (ss, 10), ("011126", 6),
                 (message, 20), ("01203", 5), (due, 6))


gpc = [
    head("0000000123456789", "Provozní účet Čížek", "Z", "011126", "00000000150000", "-",
         "00000000098765", "-", "00000000012345", "0", "00000000064580", "0", "007", "301126"),
    item("0000002900123456", "0000000000101", "000000012345", "1", "0000001111", "0800", "0308",
         "0000000000", "Nájem kancelář č. 12", "021126"),
    "078Doplňující údaje",
    item("0000000987654321", "0000000000102", "000000064580", "2", "2026000001", "0100", "0000",
         "0000000777", "Platba faktury Š1   ", "031126"),
    item("0000000111111111", "0000000000103", "000000001000", "4", "0000000000", "2010", "0558",
         "0000000001", "Storno debetu       ", "041126"),
    fixed(("075", 3), ("0000000123456789", 16), ("0000000555555555", 16), ("0000000000104", 13),
          ("0000001", 7)),
    head("0000000123456789", "Provozní účet Čížek", "Z", "301126", "00000000020050", "0",
         "00000000010000", "-", "00000000030050", "0", "00000000000000", "0", "008", "011226"),
    item("0000000222222222", "0000000000201", "000000000500", "5", "5555555555", "0300", "0000",
         "0000000000", "Storno kreditu Ř    ", "011226"),
    item("0000000333333333", "0000000000202", "000000030050", "1", "0000000042", "5500", "1178",
         "0000000000", "Splátka úvěru       ", "021226"),
    item("0000000444444444", "0000000000203", "000000000001", "2", "0000000000", "0600", "0000",
         "0000000000", "Úrok                ", "311226"),
]
# CR alone ends every line.
write_bytes("check_two_statements.gpc", "".join(line + "\r" for line in gpc))

ITEM = "******** Obratová položka v Kč ********"
expected("check_two_statements.gpc.expected", [
    "Soubor:  C:\\Banka\\kontrola.gpc",
    S70,
    "",
    "******** Výpis v Kč ********",
    "Účet:  0000000123456789",
    "Název účtu:  Provozní účet Čížek",
    "Datum starého zůstatku:  01.11.26",
    "Starý zůstatek:  -1500,00 Kč",
    "Nový zůstatek:  -987,65 Kč",
    "Debet:  123,45 Kč",
    "Kredit:  645,80 Kč",
    "Pořadové číslo výpisu:  007",
    "Datum účtování:  30.11.26",
    "",
    ITEM,
    "Účet:  0000002900123456 / 0800",
    "Číslo dokladu:  0000000000101",
    "Debet:  123,45 Kč",
    "VS:  0000001111",
    "KS:  0308",
    "SS:  0000000000",
    "Zpráva:  Nájem kancelář č. 12",
    "Datum splatnosti:  02.11.26",
    "",
    "",
    ITEM,
    "Účet:  0000000987654321 / 0100",
    "Číslo dokladu:  0000000000102",
    "Kredit:  645,80 Kč",
    "VS:  2026000001",
    "KS:  0000",
    "SS:  0000000777",
    "Zpráva:  Platba faktury Š1   ",
    "Datum splatnosti:  03.11.26",
    "",
    ITEM,
    "Účet:  0000000111111111 / 2010",
    "Číslo dokladu:  0000000000103",
    "Storno debet:  10,00 Kč",
    "VS:  0000000000",
    "KS:  0558",
    "SS:  0000000001",
    "Zpráva:  Storno debetu       ",
    "Datum splatnosti:  04.11.26",
    "",
    ITEM,
    "Účet:  0000000555555555 / ",
    "Číslo dokladu:  0000000000104",
    ":  0,01 Kč",
    "VS:  ",
    "KS:  ",
    "SS:  ",
    "Zpráva:  ",
    "Datum splatnosti:  ..",
    "",
    "******** Výpis v Kč ********",
    "Účet:  0000000123456789",
    "Název účtu:  Provozní účet Čížek",
    "Datum starého zůstatku:  30.11.26",
    "Starý zůstatek:  200,50 Kč",
    "Nový zůstatek:  -100,00 Kč",
    "Debet:  300,50 Kč",
    "Kredit:  0,00 Kč",
    "Pořadové číslo výpisu:  008",
    "Datum účtování:  01.12.26",
    "",
    ITEM,
    "Účet:  0000000222222222 / 0300",
    "Číslo dokladu:  0000000000201",
    "Storno kredit:  5,00 Kč",
    "VS:  5555555555",
    "KS:  0000",
    "SS:  0000000000",
    "Zpráva:  Storno kreditu Ř    ",
    "Datum splatnosti:  01.12.26",
    "",
    ITEM,
    "Účet:  0000000333333333 / 5500",
    "Číslo dokladu:  0000000000202",
    "Debet:  300,50 Kč",
    "VS:  0000000042",
    "KS:  1178",
    "SS:  0000000000",
    "Zpráva:  Splátka úvěru       ",
    "Datum splatnosti:  02.12.26",
    "",
    ITEM,
    "Účet:  0000000444444444 / 0600",
    "Číslo dokladu:  0000000000203",
    "Kredit:  0,01 Kč",
    "VS:  0000000000",
    "KS:  0000",
    "SS:  0000000000",
    "Zpráva:  Úrok                ",
    "Datum splatnosti:  31.12.26",
    S40,
    "Celkový počet kredit: 2",
    "Celkový počet debet:  2",
    "Celkový počet řádků:  7",
    S40,
])

# Print data: each record's tag lines end in CR LF, and the record itself is
# one line of the job, so an empty line follows every record.
expected("check_two_statements.gpc.job", [
    "[Table]<zerkon>",
    "<ID>1",
    "<Ucet>0000002900123456 / 0800",
    "<CisloDokladu>0000000000101",
    "<Prachy>-123,45",
    "<Zustatek>-1623,45",
    "<VS>0000001111",
    "<KS>0308",
    "<Zprava>Nájem kancelář č. 12",
    "<datum>02.11.26",
    "",
    "[Table]<zerkon>",
    "<ID>2",
    "<Ucet>0000000987654321 / 0100",
    "<CisloDokladu>0000000000102",
    "<Prachy>645,80",
    "<Zustatek>-977,65",
    "<VS>2026000001",
    "<SS>0000000777",
    "<Zprava>Platba faktury Š1   ",
    "<datum>03.11.26",
    "",
    "[Table]<zerkon>",
    "<ID>3",
    "<Ucet>0000000111111111 / 2010",
    "<CisloDokladu>0000000000103",
    "<VS>0000000000",
    "<KS>0558",
    "<SS>0000000001",
    "<Zprava>Storno debetu       ",
    "<datum>04.11.26",
    "",
    "[Table]<zerkon>",
    "<ID>4",
    "<Ucet>0000000555555555 / ",
    "<CisloDokladu>0000000000104",
    "<VS>",
    "<Zprava>",
    "<datum>..",
    "",
    "[Table]<zerkon>",
    "<ID>5",
    "<Ucet>0000000222222222 / 0300",
    "<CisloDokladu>0000000000201",
    "<VS>5555555555",
    "<Zprava>Storno kreditu Ř    ",
    "<datum>01.12.26",
    "",
    "[Table]<zerkon>",
    "<ID>6",
    "<Ucet>0000000333333333 / 5500",
    "<CisloDokladu>0000000000202",
    "<Prachy>-300,50",
    "<Zustatek>-100",
    "<VS>0000000042",
    "<KS>1178",
    "<Zprava>Splátka úvěru       ",
    "<datum>02.12.26",
    "",
    "[Table]<zerkon>",
    "<ID>7",
    "<Ucet>0000000444444444 / 0600",
    "<CisloDokladu>0000000000203",
    "<Prachy>0,01",
    "<Zustatek>-99,99",
    "<VS>0000000000",
    "<Zprava>Úrok                ",
    "<datum>31.12.26",
    "",
    "[Table]<zerkonHead>",
    "<ID>0",
    "<Soubor>C:\\Banka\\kontrola.gpc",
    "<Ucet>0000000123456789",
    "<NazevUctu>Provozní účet Čížek",
    "<DatumStary>30.11.26",
    "<ZustatekStary>200,50 Kč",
    "<ZustatekNovy>-100,00 Kč",
    "<Debet>300,50 Kč",
    "<Kredit>0,00 Kč",
    "<PoradoveCislo>008",
    "<DatumUct>01.12.26",
    "<Pocet>7",
    "<PocetKredit>2",
    "<PocetDebet>2",
    "",
])


# ---------------------------------------------------------------- Geminy
def order(kind, debit_bank, credit_bank, amount, due, ks, vs, ss, debit_account,
          credit_account, info, debit_name, credit_name):
    return fixed(("000001", 6), (kind, 2), ("000000", 6), (debit_bank, 4), ("000", 3),
                 (credit_bank, 4), ("000", 3), (amount, 15), (due, 6), (ks, 10), (vs, 10),
                 (ss, 10), (debit_account, 16), (credit_account, 16), (info.ljust(140), 140),
                 (debit_name, 20), (credit_name, 20))


full = order("11", "0800", "0100", "000000000123457", "261215", "0000000308", "0000012345",
             "0000000000", "0000001234567890", "0000192000145399", "Faktura č. 2026/15 – úhrada",
             "Pekařství Čížek     ", "Žluťoučký kůň s.r.o.")
no_name = order("11", "0800", "2010", "            999", "261216", "0000000000", "0000000001",
                "0000000002", "0000001234567890", "0000002900123456", "Drobná platba",
                "Pekařství Čížek     ", " " * 20)
short = fixed(("000003", 6), ("11", 2), ("000000", 6), ("0800", 4), ("000", 3), ("0300", 4),
              ("000", 3), ("000000000050000", 15), ("261217", 6), ("0000000558", 10),
              ("987654", 6))
assert len(short) == 65
geminy = ["", full, no_name, "", short, "   "]
write_bytes("check_empty_first_line.gem", "\r\n".join(geminy) + "\r\n")

ORDER_FULL = [
    "",
    "Ve prospěch účtu:  0000192000145399 / 0100   Žluťoučký kůň s.r.o.",
    "Částka:  1 234,57",
    "VS:  0000012345",
    "KS:  0000000308",
    "SS:  0000000000",
    "Info:  Faktura č. 2026/15 – úhrada",
]
ORDER_SHORT = [
    "",
    "Ve prospěch účtu:   / 0300",
    "Částka:  500,00",
    "VS:  987654",
    "KS:  0000000558",
    "SS:  ",
    "Info:  ",
]
expected("check_empty_first_line.gem.expected", [
    "Soubor:  C:\\Banka\\kontrola.gem",
    "Ze dne:  5.1.2009",
    S70,
    "",
    "Druh platebního styku:  ",
    "Na vrub účtu:   /    ",
    "Celková částka k proplacení:  1 744,56",
    "Datum splatnosti:  ",
] + ORDER_FULL + [
    "",
    "Ve prospěch účtu:  0000002900123456 / 2010",
    "Částka:  9,99",
    "VS:  0000000001",
    "KS:  0000000000",
    "SS:  0000000002",
    "Info:  Drobná platba",
] + ORDER_SHORT + [
    "",
    "Ve prospěch účtu:   /",
    "Částka:  0,00",
    "VS:  ",
    "KS:  ",
    "SS:  ",
    "Info:  ",
    "",
    S70,
    "Celkový počet řádků:  4",
    "Celková částka k proplacení:  1 744,56",
    S70,
])

# The header from a full first line; LF line ends, no break after the last.
write_bytes("check_header.gem", full + "\n" + short)
expected("check_header.gem.expected", [
    "Soubor:  C:\\Banka\\kontrola.gem",
    "Ze dne:  5.1.2009",
    S70,
    "",
    "Druh platebního styku:  platební příkaz k úhradě",
    "Na vrub účtu:  0000001234567890 / 0800   Pekařství Čížek     ",
    "Celková částka k proplacení:  1 734,57",
    "Datum splatnosti:  15.12.26",
] + ORDER_FULL + ORDER_SHORT + [
    "",
    S70,
    "Celkový počet řádků:  2",
    "Celková částka k proplacení:  1 734,57",
    S70,
])
