# SPDX-FileCopyrightText: 2026 The Reedfall developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lighthouse's JSON reports summed up, for each preset: the medians of the category scores and
of the metrics beside each run's figures, then the median run's failing audits (score below
0.9), long tasks, main-thread work and script boot-up time.
  python3 summary.py REPORTS PRESET...   (reads REPORTS/PRESET-1.json, PRESET-2.json, ...)"""

import json
import os
import re
import statistics
import sys

CATEGORIES = ['performance', 'accessibility', 'best-practices', 'seo']
METRICS = [
    ('total-blocking-time', 'total blocking time'),
    ('largest-contentful-paint', 'largest contentful paint'),
    ('max-potential-fid', 'max potential first input delay'),
    ('first-contentful-paint', 'first contentful paint'),
    ('speed-index', 'speed index'),
    ('cumulative-layout-shift', 'cumulative layout shift'),
]
FAILING = 0.9


def load(folder, preset):
    numbered = []
    for name in os.listdir(folder):
        match = re.fullmatch(rf'{re.escape(preset)}-(\d+)\.json', name)
        if match:
            numbered.append((int(match.group(1)), os.path.join(folder, name)))
    if not numbered:
        sys.exit(f'summary.py: no reports of {preset} in {folder}')
    reports = []
    for _, path in sorted(numbered):
        with open(path, encoding='utf-8') as f:
            report = json.load(f)
        if report.get('runtimeError'):
            sys.exit(f'summary.py: {path}: {report["runtimeError"]["message"]}')
        reports.append(report)
    return reports


def figures(report):
    """Scores as Lighthouse shows them (0 to 100), metrics as it measures them (ms; CLS bare)."""
    found = {name: round(100 * report['categories'][name]['score']) for name in CATEGORIES}
    for audit, _ in METRICS:
        found[audit] = report['audits'][audit]['numericValue']
    return found


def shown(name, value):
    if name in CATEGORIES:
        return f'{value:.0f}'
    if name == 'cumulative-layout-shift':
        return f'{value:.3f}'
    return f'{value:.0f} ms'


def median_run(runs, medians):
    """The run with the median performance score and, among such, the one nearest the medians
    of the two metrics that weigh most in that score."""

    def distance(run):
        near = sum(abs(run[m] - medians[m]) / max(medians[m], 1)
                   for m in ('total-blocking-time', 'largest-contentful-paint'))
        return abs(run['performance'] - medians['performance']), near

    return min(range(len(runs)), key=lambda i: distance(runs[i]))


def emulation(report):
    settings = report['configSettings']
    screen = settings['screenEmulation']
    throttling = settings['throttling']
    return (f'{settings["formFactor"]}, {screen["width"]}x{screen["height"]} at DPR '
            f'{screen["deviceScaleFactor"]:g}, {settings["throttlingMethod"]} throttling: '
            f'{throttling["cpuSlowdownMultiplier"]:g}x CPU slowdown, '
            f'RTT {throttling["rttMs"]:g} ms, {throttling["throughputKbps"]:g} kbit/s')


def failing(report):
    """(category, id, score, title, what it says) of each scored audit below 0.9."""
    category_of = {ref['id']: name for name, category in report['categories'].items()
                   for ref in category['auditRefs']}
    rows = []
    for audit_id, audit in report['audits'].items():
        if audit['score'] is not None and audit['score'] < FAILING:
            rows.append((category_of.get(audit_id, '-'), audit_id, audit['score'],
                         audit['title'], audit.get('displayValue', '')))
    return sorted(rows, key=lambda row: (CATEGORIES.index(row[0]) if row[0] in CATEGORIES
                                         else len(CATEGORIES), row[2], row[1]))


def items(report, audit):
    return report['audits'][audit].get('details', {}).get('items', [])


def short(url, origin):
    """The site's own URLs as paths: the port changes from run to run."""
    if url.startswith(origin):
        return url[len(origin):] or '/'
    return url


def work(report):
    origin = re.match(r'\w+://[^/]+', report['finalDisplayedUrl']).group(0)
    print('  long tasks (main thread, 50 ms or more):')
    tasks = items(report, 'long-tasks')
    for task in tasks:
        print(f'    {task["duration"]:6.0f} ms at {task["startTime"]:6.0f} ms   '
              f'{short(task["url"], origin)}')
    if not tasks:
        print('    none')
    print('  main-thread work: ' + ', '.join(
        f'{group["groupLabel"].lower()} {group["duration"]:.0f} ms'
        for group in items(report, 'mainthread-work-breakdown')))
    print('  boot-up time (CPU per script: total, evaluation, parse):')
    for script in items(report, 'bootup-time'):
        print(f'    {script["total"]:6.0f} {script["scripting"]:6.0f} '
              f'{script["scriptParseCompile"]:6.0f} ms   {short(script["url"], origin)}')


def summary(preset, reports):
    runs = [figures(report) for report in reports]
    names = CATEGORIES + [audit for audit, _ in METRICS]
    medians = {name: statistics.median(run[name] for run in runs) for name in names}
    middle = median_run(runs, medians)
    plural = 's' if len(runs) > 1 else ''
    print(f'{preset}: {len(runs)} run{plural}; {emulation(reports[0])}')
    labels = dict(METRICS)
    print(f'  {"":34}{"median":>10}' + ''.join(f'{f"run {i + 1}":>10}' for i in range(len(runs))))
    for name in names:
        print(f'  {labels.get(name, name):34}{shown(name, medians[name]):>10}'
              + ''.join(f'{shown(name, run[name]):>10}' for run in runs))
    print(f'  failing audits of the median run (run {middle + 1}; score below {FAILING}):')
    for category, audit_id, score, title, said in failing(reports[middle]):
        print(f'    {category:15} {score:4.2f}  {audit_id:26} {title}'
              + (f' ({said})' if said else ''))
    work(reports[middle])


def main():
    if len(sys.argv) < 3:
        sys.exit('usage: summary.py REPORTS PRESET...')
    folder, presets = sys.argv[1], sys.argv[2:]
    first = load(folder, presets[0])[0]
    print(f'Lighthouse {first["lighthouseVersion"]}, {first["environment"]["hostUserAgent"]}')
    print(f'on {first["requestedUrl"]} (python3 -m http.server: no gzip, no cache headers)')
    for preset in presets:
        print()
        summary(preset, load(folder, preset))


if __name__ == '__main__':
    main()
