#!/usr/bin/env python3
# Writes docs/output-quirks.md: the deliberate oddities of the outputs, with the
# line where each is written (run it after moving code around).
import subprocess, os
os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
items = [
 ("The result window names the KML file \"ARQUIVO DE GOOLE EARTH (KML)\"", 'src/app/run_windows.cpp', 'GOOLE EARTH', "The window's labels are what users have seen since the first version; the start window spells GOOGLE right."),
 ("The result window's drawing labels say \"ARQUIVO DE DE CAD3D\" and \"DE DE CAD2D\"", 'src/app/run_windows.cpp', 'DE DE CAD3D', "As above: the window's own labels."),
 ("The start window asks to \"Use os bottões\"", 'src/app/run_windows.cpp', 'bottões para', "The start window's text, as users know it."),
 ("The profile prompt's lines \"  , \" and \"Deseja processar um arquivo de perfil?. \"", 'src/app/run_windows.cpp', 'arquivo de perfil?.', "The prompt's text, as users know it."),
 ("The listings' header says \"HT INICAL=\" (the console says \"HTINI=\")", 'src/writers/listings/listings.cpp', 'HT INICAL', "Stored listings and the scripts that read them expect this heading."),
 ("The metric analysis says \"'da gruta\" and leaves out the \")\" after \"sul\"", 'src/writers/listings/metric_report.cpp', "'da gruta", "Users compare the analysis of old and new runs line by line."),
 ("The Compass files' column heading \"LENGHT\"", 'src/writers/exchange/compass.cpp', 'LENGHT', "Compass files have always carried it; readers skip the heading, users recognise it."),
 ("An ordinary line's base ceiling splay in the Therion file says \"Altura do Teto da da Base\"", 'src/writers/exchange/therion.cpp', 'da da Base', "Every stored Therion file has it (a closing line's says \"da Base\"); scripts match these comments."),
 ("SPE surveys get the date 27 06 2020 in their copies, listings and exchange files", 'src/readers/spe_reader.cpp', '"27"', "SPE files carry no date; files converted from SPE have always shown this one."),
 ("The KML station description writes \" S\" after every northing, in either hemisphere", 'src/writers/kml/kml.cpp', '" S"', "Stored KML files and the readers of their descriptions have it."),
 ("The KML document is named \"MIRVAL ORV - MV\" whatever the input format", 'src/writers/kml/kml.cpp', 'MIRVAL ORV - MV', "The name users see in their virtual globe's list of places."),
 ("Every INSERT of the drawings carries the handle \"111\"", 'src/writers/dxf/station_kind.cpp', '"111"', "The drawings have always had it; CAD programs read them (ezdxf's audit drops the duplicate handles and keeps the entities)."),
 ("The drawings declare $DWGCODEPAGE \"ascii\" although names are UTF-8", 'src/writers/dxf/head.cpp', '"ascii"', "The head of every stored drawing; CAD programs read the UTF-8 names as they are."),
 ("The copies' legends say \"Distãncia\" and \"WGS084\"", 'src/writers/copies/normalized_copy.cpp', 'Distãncia', "The legends of the spreadsheet templates users fill in; the copies match them."),
 ("The SPE messages say \"MAL EXPLICITADA\" and \"CORRIJA .\"", 'src/readers/spe_reader.cpp', 'CORRIJA .', "The messages SPE users know."),
 ("The reader's start echo writes the declination as F4.1 (\"DECLINACAO=****\" for -21.5)", 'src/readers/survey_input.cpp', 'writeStartSummary(log.console, s, scale, 4, 1)', "The console log of every run shows it so; the driver's summary after it writes F6.2."),
]
rows = []
for what, path, needle, why in items:
    line = next((i for i, l in enumerate(open(path, encoding='utf-8'), 1) if needle in l and not l.strip().startswith('//')), None)
    assert line, (path, needle)
    rows.append(f"| {what} | `{path}:{line}` | {why} |")
text = """# Deliberate oddities of the outputs

The outputs are compared byte for byte with the files surveyors already have, and read by
scripts and programs that expect them as they are. These texts look like slips; they stay.
Before "fixing" one, know that every stored file and every reader of it would then differ.
(Generated from the sources: the line numbers point at the text itself.)

| Oddity | Where | Why it stays |
|---|---|---|
""" + "\n".join(rows) + "\n"
open('docs/output-quirks.md', 'w').write(text)
print(text)
