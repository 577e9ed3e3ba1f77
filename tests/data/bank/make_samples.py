#!/usr/bin/env python3
"""Writes the bank sample files and their expected previews (Windows-1250, CR LF).

The inputs are built from their fields so that the fixed positions are right;
the expected texts are written out by hand from the formats' rules.
"""
import pathlib

HERE = pathlib.Path(__file__).parent
STARS70 = "*" * 70
STARS40 = "*" * 40


def write(name, lines, final_break=True):
    text = "\r\n".join(lines) + ("\r\n" if final_break else "")
    (HERE / name).write_bytes(text.encode("cp1250"))


def fixed(*fields):
    """Concatenates (text, width) pairs, checking every width."""
    out = ""
    for text, width in fields:
        assert len(text) == width, (text, width)
        out += text
    return out


# ---------------------------------------------------------------- KPC
write("kpc_one_group.kpc", [
    "UHL1070309Zelená zahrada s.r.o0000000042001999000000000000",
    "1 1501 001000 0800",
    "2 000000-0123456789 000000000154050 200309",
    "000000-2900123456 000000000123456 0000001111 20100308 0000000000 AV:Faktura č. 1",
    "000019-2000145399 000000000030594 0000002222 01000000 0000000777 AV:Nájem březen",
    "3 +",
    "5 +",
])
write("kpc_one_group.expected", [
    "Soubor:  C:\\Banka\\platby.kpc",
    "Ze dne:  7.3.2009",
    "",
    STARS70,
    "Firma: Zelená zahrada s.r.o",
    "Na vrub účtu:  000000-0123456789 / 0800",
    "Celková částka k proplacení:  1 540,50",
    "Datum splatnosti:  20.03.09",
    STARS70,
    "",
    "Ve prospěch účtu:  000000-2900123456 / 2010",
    "Částka:  1 234,56",
    "VS:  0000001111",
    "KS:  0308",
    "SS:  0000000000",
    "Zpráva pro příjemce:  AV:Faktura č. 1",
    "",
    "Ve prospěch účtu:  000019-2000145399 / 0100",
    "Částka:  305,94",
    "VS:  0000002222",
    "KS:  0000",
    "SS:  0000000777",
    "Zpráva pro příjemce:  AV:Nájem březen",
    "",
    STARS70,
    "Celkový počet řádků:  2",
    "Celková částka k proplacení:  1 540,50",
    STARS70,
])

# Two groups, a non-numeric amount, an empty line as an item, lines after "5 +".
write("kpc_two_groups.kpc", [
    "UHL1070309Řezníkův dvůr       0000000042001999000000000000",
    "1 1501 001000 0300",
    "2 000123-4567890123 000000123456789 150409",
    "000000-1111111111 000000100000000 0000000001 03000308 0000000000 AV:Záloha",
    "3 +",
    "2 000123-4567890123 000000000000100 160409",
    "000000-2222222222 abc 0000000002 08000558 0000000003 Zpráva  se dvěma  mezerami",
    "",
    "3 +",
    "5 +",
    "000000-3333333333 000000000999999 0000000009 01000000 0000000000 AV:ignorováno",
])
write("kpc_two_groups.expected", [
    "Soubor:  C:\\Banka\\platby.kpc",
    "Ze dne:  7.3.2009",
    "",
    STARS70,
    "Firma: Řezníkův dvůr       ",
    "Na vrub účtu:  000123-4567890123 / 0300",
    "Celková částka k proplacení:  1 234 567,89",
    "Datum splatnosti:  15.04.09",
    STARS70,
    "",
    "Ve prospěch účtu:  000000-1111111111 / 0300",
    "Částka:  1 000 000,00",
    "VS:  0000000001",
    "KS:  0308",
    "SS:  0000000000",
    "Zpráva pro příjemce:  AV:Záloha",
    "",
    STARS70,
    "Firma: Řezníkův dvůr       ",
    "Na vrub účtu:  000123-4567890123 / 0300",
    "Celková částka k proplacení:  1,00",
    "Datum splatnosti:  16.04.09",
    STARS70,
    "",
    "Ve prospěch účtu:  000000-2222222222 / 0800",
    "Částka:  0,00",
    "VS:  0000000002",
    "KS:  0558",
    "SS:  0000000003",
    "Zpráva pro příjemce:  Zpráva  se dvěma  mezerami",
    "",
    "Ve prospěch účtu:   / ",
    "Částka:  0,00",
    "VS:  ",
    "KS:  ",
    "SS:  ",
    "Zpráva pro příjemce:  ",
    "",
    STARS70,
    "Celkový počet řádků:  3",
    "Celková částka k proplacení:  1 000 000,00",
    STARS70,
])

# ---------------------------------------------------------------- GPC


def gpc_head(account, name20, old_date, old, old_sign, new, new_sign, debit, debit_sign,
             credit, credit_sign, number, posting_date):
    line = fixed(("074", 3), (account, 16), (name20, 20), (old_date, 6), (old, 14),
                 (old_sign, 1), (new, 14), (new_sign, 1), (debit, 14), (debit_sign, 1),
                 (credit, 14), (credit_sign, 1), (number, 3), (posting_date, 6))
    return line + "FIO".ljust(128 - len(line))


def gpc_item(counter, document, amount, code, vs, bank, ks, ss, message, due):
    line = fixed(("075", 3), ("0000002501129872", 16), (counter, 16), (document, 13),
                 (amount, 12), (code, 1), (vs, 10), ("00", 2), (bank, 4), (ks, 4), (ss, 10),
                 ("010309", 6), (message, 20), ("01102", 5), (due, 6))
    assert len(line) == 128
    return line


write("gpc_statement.gpc", [
    gpc_head("0000002501129872", "Řeznictví Žák a synX", "010309", "00000001234550", "+",
             "00000001185050", "+", "00000000060500", "+", "00000000011000", "+", "003",
             "310309"),
    gpc_item("0000000123456789", "0000000000001", "000000050000", "1", "0000001234", "0800",
             "0308", "0000000000", "Nájem za březen 2009", "050309"),
    gpc_item("0000001111111111", "0000000000002", "000000011000", "2", "0000000000", "0100",
             "0000", "0000009999", "Příjem od odběratele", "060309"),
    gpc_item("0000002222222222", "0000000000003", "000000000725", "4", "0000000555", "5500",
             "0558", "0000000001", "Storno platby       ", "070309"),
    gpc_item("0000003333333333", "0000000000004", "000000010500", "1", "0000000777", "2700",
             "1178", "0000000000", "Elektřina           ", "080309"),
    "076 a record of another type",
])
write("gpc_statement.expected", [
    "Soubor:  C:\\Banka\\vypis.gpc",
    STARS70,
    "",
    "******** Výpis v Kč ********",
    "Účet:  0000002501129872",
    "Název účtu:  Řeznictví Žák a syn",
    "Datum starého zůstatku:  01.03.09",
    "Starý zůstatek:  12345,50 Kč",
    "Nový zůstatek:  11850,50 Kč",
    "Debet:  605,00 Kč",
    "Kredit:  110,00 Kč",
    "Pořadové číslo výpisu:  003",
    "Datum účtování:  31.03.09",
    "",
    "******** Obratová položka v Kč ********",
    "Účet:  0000000123456789 / 0800",
    "Číslo dokladu:  0000000000001",
    "Debet:  500,00 Kč",
    "VS:  0000001234",
    "KS:  0308",
    "SS:  0000000000",
    "Zpráva:  Nájem za březen 2009",
    "Datum splatnosti:  05.03.09",
    "",
    "******** Obratová položka v Kč ********",
    "Účet:  0000001111111111 / 0100",
    "Číslo dokladu:  0000000000002",
    "Kredit:  110,00 Kč",
    "VS:  0000000000",
    "KS:  0000",
    "SS:  0000009999",
    "Zpráva:  Příjem od odběratele",
    "Datum splatnosti:  06.03.09",
    "",
    "******** Obratová položka v Kč ********",
    "Účet:  0000002222222222 / 5500",
    "Číslo dokladu:  0000000000003",
    "Storno debet:  7,25 Kč",
    "VS:  0000000555",
    "KS:  0558",
    "SS:  0000000001",
    "Zpráva:  Storno platby       ",
    "Datum splatnosti:  07.03.09",
    "",
    "******** Obratová položka v Kč ********",
    "Účet:  0000003333333333 / 2700",
    "Číslo dokladu:  0000000000004",
    "Debet:  105,00 Kč",
    "VS:  0000000777",
    "KS:  1178",
    "SS:  0000000000",
    "Zpráva:  Elektřina           ",
    "Datum splatnosti:  08.03.09",
    "",
    STARS40,
    "Celkový počet kredit: 1",
    "Celkový počet debet:  2",
    "Celkový počet řádků:  4",
    STARS40,
])
write("gpc_statement.job", [
    "[Table]<zerkon>",
    "<ID>1",
    "<Ucet>0000000123456789 / 0800",
    "<CisloDokladu>0000000000001",
    "<Prachy>-500,00",
    "<Zustatek>11845,5",
    "<VS>0000001234",
    "<KS>0308",
    "<Zprava>Nájem za březen 2009",
    "<datum>05.03.09",
    "",
    "[Table]<zerkon>",
    "<ID>2",
    "<Ucet>0000001111111111 / 0100",
    "<CisloDokladu>0000000000002",
    "<Prachy>110,00",
    "<Zustatek>11955,5",
    "<VS>0000000000",
    "<SS>0000009999",
    "<Zprava>Příjem od odběratele",
    "<datum>06.03.09",
    "",
    "[Table]<zerkon>",
    "<ID>3",
    "<Ucet>0000002222222222 / 5500",
    "<CisloDokladu>0000000000003",
    "<VS>0000000555",
    "<KS>0558",
    "<SS>0000000001",
    "<Zprava>Storno platby       ",
    "<datum>07.03.09",
    "",
    "[Table]<zerkon>",
    "<ID>4",
    "<Ucet>0000003333333333 / 2700",
    "<CisloDokladu>0000000000004",
    "<Prachy>-105,00",
    "<Zustatek>11850,5",
    "<VS>0000000777",
    "<KS>1178",
    "<Zprava>Elektřina           ",
    "<datum>08.03.09",
    "",
    "[Table]<zerkonHead>",
    "<ID>0",
    "<Soubor>C:\\Banka\\vypis.gpc",
    "<Ucet>0000002501129872",
    "<NazevUctu>Řeznictví Žák a syn",
    "<DatumStary>01.03.09",
    "<ZustatekStary>12345,50 Kč",
    "<ZustatekNovy>11850,50 Kč",
    "<Debet>605,00 Kč",
    "<Kredit>110,00 Kč",
    "<PoradoveCislo>003",
    "<DatumUct>31.03.09",
    "<Pocet>4",
    "<PocetKredit>1",
    "<PocetDebet>2",
    "",
])

# Two statements: a negative old balance, item numbers running on, the head
# of the second statement last. LF line ends and no final line break.
two = [
    gpc_head("0000000000001111", "Účet jedna         A", "280209", "00000000010000", "-",
             "00000000015000", "+", "00000000000000", "+", "00000000025000", "+", "001",
             "280209"),
    gpc_item("0000000000009999", "0000000000011", "000000025000", "2", "0000000011", "0300",
             "0000", "0000000000", "Vklad               ", "270209"),
    gpc_head("0000000000002222", "Účet dva           B", "310309", "00000000005000", "+",
             "00000000003000", "+", "00000000002000", "+", "00000000000000", "+", "002",
             "310309"),
    gpc_item("0000000000008888", "0000000000012", "000000002000", "1", "0000000012", "0100",
             "0001", "0000000002", "Poplatek            ", "300309"),
]
(HERE / "gpc_two_statements.gpc").write_bytes("\n".join(two).encode("cp1250"))
write("gpc_two_statements.job", [
    "[Table]<zerkon>",
    "<ID>1",
    "<Ucet>0000000000009999 / 0300",
    "<CisloDokladu>0000000000011",
    "<Prachy>250,00",
    "<Zustatek>150",
    "<VS>0000000011",
    "<Zprava>Vklad               ",
    "<datum>27.02.09",
    "",
    "[Table]<zerkon>",
    "<ID>2",
    "<Ucet>0000000000008888 / 0100",
    "<CisloDokladu>0000000000012",
    "<Prachy>-20,00",
    "<Zustatek>30",
    "<VS>0000000012",
    "<KS>0001",
    "<SS>0000000002",
    "<Zprava>Poplatek            ",
    "<datum>30.03.09",
    "",
    "[Table]<zerkonHead>",
    "<ID>0",
    "<Soubor>C:\\Banka\\vypis.gpc",
    "<Ucet>0000000000002222",
    "<NazevUctu>Účet dva           ",
    "<DatumStary>31.03.09",
    "<ZustatekStary>50,00 Kč",
    "<ZustatekNovy>30,00 Kč",
    "<Debet>20,00 Kč",
    "<Kredit>0,00 Kč",
    "<PoradoveCislo>002",
    "<DatumUct>31.03.09",
    "<Pocet>2",
    "<PocetKredit>1",
    "<PocetDebet>1",
    "",
])

# ---------------------------------------------------------------- Geminy


def gem_order(seq, kind, debit_bank, credit_bank, amount, due, ks, vs, ss, debit_account,
              credit_account, info, debit_name, credit_name):
    line = fixed((seq, 6), (kind, 2), ("261208", 6), (debit_bank, 4), ("   ", 3),
                 (credit_bank, 4), ("   ", 3), (amount.ljust(15), 15), (due, 6), (ks, 10),
                 (vs, 10), (ss, 10), (debit_account, 16), (credit_account, 16),
                 (info.ljust(140), 140), (debit_name, 20), (credit_name, 20))
    assert len(line) == 291
    return line


write("geminy_orders.gem", [
    gem_order("000001", "11", "0800", "0300", "10050", "090320", "0000000308", "5555555555",
              "0000000012", "0000001912345678", "0000001111122222", "Faktura č. 2009/15",
              "Řezníkův dvůr s.r.o.", "Dodavatel Šťastný   "),
    "",
    gem_order("000002", "11", "0800", "0100", "123456789012", "090321", "0000000000",
              "0000000007", "0000000000", "0000001912345678", "0000000000000777", "Nájem",
              "Řezníkův dvůr s.r.o.", " " * 20),
    "000003112612080800   2010   9999999",
])
write("geminy_orders.expected", [
    "Soubor:  C:\\Banka\\prikazy.gem",
    "Ze dne:  15.12.2026",
    STARS70,
    "",
    "Druh platebního styku:  platební příkaz k úhradě",
    "Na vrub účtu:  0000001912345678 / 0800   Řezníkův dvůr s.r.o.",
    "Celková částka k proplacení:  1 234 667 990,61",
    "Datum splatnosti:  20.03.09",
    "",
    "Ve prospěch účtu:  0000001111122222 / 0300   Dodavatel Šťastný",
    "Částka:  100,50",
    "VS:  5555555555",
    "KS:  0000000308",
    "SS:  0000000012",
    "Info:  Faktura č. 2009/15",
    "",
    "Ve prospěch účtu:  0000000000000777 / 0100",
    "Částka:  1 234 567 890,12",
    "VS:  0000000007",
    "KS:  0000000000",
    "SS:  0000000000",
    "Info:  Nájem",
    "",
    "Ve prospěch účtu:   / 2010",
    "Částka:  99 999,99",
    "VS:  ",
    "KS:  ",
    "SS:  ",
    "Info:  ",
    "",
    STARS70,
    "Celkový počet řádků:  3",
    "Celková částka k proplacení:  1 234 667 990,61",
    STARS70,
])
