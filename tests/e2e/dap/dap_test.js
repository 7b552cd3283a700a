// varnolux-cli dap driven by the DAP client VS Code's own adapters are tested
// with, against the simulator on a pseudo-terminal.
// Usage: node dap_test.js CLI WORK SIM_PID   (WORK holds project/, tty, truth.json)
'use strict';
const { DebugClient } = require('@vscode/debugadapter-testsupport');
const assert = require('assert');
const fs = require('fs');
const path = require('path');

const [cli, work, simPid] = process.argv.slice(2);
const project = path.join(work, 'project');
const bas = path.join(project, 'Thermo.bas');
const inc = path.join(project, 'Sensors.inc');
const launchArgs = { project, port: path.join(work, 'tty'), baud: 115200 };
// Upper bounds only: CI's machine is loaded, and every wait ends as soon as
// what it waits for has come.
const patience = 60000;
const lineOf = (file, text) =>
    fs.readFileSync(file, 'latin1').split(/\r?\n/).findIndex((l) => l.includes(text)) + 1;
const dumpw12 = lineOf(bas, 'Dumpw 12');
const dumpw150 = lineOf(inc, 'Dumpw 150');
const dumpw5 = lineOf(bas, 'Dumpw 5');

const dumpsSoFar = () =>
    fs.readFileSync(path.join(work, 'sim.log'), 'latin1').split('\n').filter((l) => l.startsWith('dump point')).length;
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

async function until(what, test) {
    for (const end = Date.now() + patience; !test(); await sleep(50))
        if (Date.now() > end) throw new Error('never came: ' + (typeof what === 'function' ? what() : what));
}

async function open(breakpoints, extra = {}) {
    const dc = new DebugClient(cli, 'dap', 'varnolux');
    dc.defaultTimeout = patience;
    await dc.start();
    dc.outputs = [];
    dc.on('output', (e) => dc.outputs.push(e.body.output));
    const init = await dc.initializeRequest({ adapterID: 'varnolux', linesStartAt1: true });
    assert.ok(init.body.supportsConditionalBreakpoints && init.body.supportsLogPoints);
    const initialized = dc.waitForEvent('initialized');
    await dc.launchRequest({ ...launchArgs, ...extra });
    await initialized;
    dc.firstStop = dc.waitForEvent('stopped');
    const set = {};
    for (const [file, bps] of breakpoints) {
        const r = await dc.setBreakpointsRequest({ source: { path: file }, breakpoints: bps });
        set[file] = r.body.breakpoints;
    }
    await dc.configurationDoneRequest();
    return { dc, set };
}

async function variables(dc) {
    const scopes = await dc.scopesRequest({ frameId: 1 });
    const ref = scopes.body.scopes.find((s) => s.name === 'Variables').variablesReference;
    const r = await dc.variablesRequest({ variablesReference: ref });
    const values = {};
    for (const v of r.body.variables) values[v.name] = v;
    for (const v of r.body.variables.filter((v) => v.variablesReference > 0)) {
        const e = await dc.variablesRequest({ variablesReference: v.variablesReference });
        for (const x of e.body.variables) values[x.name] = x;
    }
    return values;
}

async function step(name, fn) {
    process.stdout.write(name + ' ... ');
    await fn();
    console.log('ok');
}

async function main() {
    await step('a dumpw breakpoint stops there; a plain line is unverified; set and continue', async () => {
        const { dc, set } = await open([[bas, [{ line: dumpw12 }, { line: dumpw12 + 1 }]]]);
        assert.strictEqual(set[bas][0].verified, true);
        assert.strictEqual(set[bas][1].verified, false);
        assert.strictEqual(set[bas][1].message, 'no dump or dumpw on this line');
        const stopped = await dc.firstStop;
        assert.strictEqual(stopped.body.reason, 'breakpoint');
        assert.match(stopped.body.description, /waits/);
        assert.deepStrictEqual(stopped.body.hitBreakpointIds, [set[bas][0].id]);
        const frames = (await dc.stackTraceRequest({ threadId: 1 })).body.stackFrames;
        assert.strictEqual(frames.length, 1);
        assert.strictEqual(frames[0].line, dumpw12);
        assert.strictEqual(path.basename(frames[0].source.path), 'Thermo.bas');
        assert.match(frames[0].name, /^Dumpw 12/);
        const before = await variables(dc);
        const ev = await dc.evaluateRequest({ expression: 'setPoint * 2', context: 'watch' });
        assert.strictEqual(Number(ev.body.result), 2 * Number(before.setPoint.value));
        const hover = await dc.evaluateRequest({ expression: 'SETPOINT', context: 'hover' });
        assert.strictEqual(hover.body.result, before.setPoint.value);
        await assert.rejects(dc.setVariableRequest({ variablesReference: 1, name: 'state', value: '256' }),
            /Invalid value/);
        await dc.setVariableRequest({ variablesReference: 1, name: 'setPoint', value: '-2' });
        // The event may come with the response: listen before asking.
        const next = dc.waitForEvent('stopped');
        await dc.continueRequest({ threadId: 1 });
        await next;
        const after = await variables(dc);
        assert.strictEqual(after.setPoint.value, '-2');
        assert.ok(dc.outputs.some((o) => /setPoint: DumpID \d+ shows -2/.test(o)), dc.outputs.join(''));
        // The thermostat's own set-point again, for the steps after this one.
        await dc.setVariableRequest({ variablesReference: 1, name: 'setPoint', value: before.setPoint.value });
        const again = dc.waitForEvent('stopped');
        await dc.continueRequest({ threadId: 1 });
        await again;
        assert.strictEqual((await variables(dc)).setPoint.value, before.setPoint.value);
        // Disconnect (stop sends it) lets the held target run on.
        const held = dumpsSoFar();
        await dc.stop();
        await until('a dump after disconnect (the target still waits)', () => dumpsSoFar() > held);
    });

    await step('stopOnEntry holds at the first dumpw; pause holds at the next', async () => {
        const { dc } = await open([], { stopOnEntry: true });
        const dumpw = [[bas, dumpw5], [bas, dumpw12], [inc, dumpw150]];
        const isDumpw = (f) => dumpw.some(([file, line]) =>
            path.basename(file) === path.basename(f.source.path) && line === f.line);
        for (const [stop, reason] of [[dc.firstStop, 'entry'], [null, 'pause']]) {
            let stopped = stop;
            if (!stopped) {
                await dc.continueRequest({ threadId: 1 });
                stopped = dc.waitForEvent('stopped');
                await dc.pauseRequest({ threadId: 1 });
            }
            const e = await stopped;
            assert.strictEqual(e.body.reason, reason);
            assert.match(e.body.description, /waits/);
            const frame = (await dc.stackTraceRequest({ threadId: 1 })).body.stackFrames[0];
            assert.ok(isDumpw(frame), reason + ' at ' + frame.source.path + ':' + frame.line);
            const held = dumpsSoFar();
            await sleep(300);
            assert.strictEqual(dumpsSoFar(), held, 'the target ran on at ' + reason);
        }
        await dc.stop();
    });

    await step('a log point writes its values and does not stop', async () => {
        const { dc } = await open([[bas, [{ line: dumpw5, logMessage: 'tick={tick} state={state}' }]]]);
        let stops = 0;
        dc.firstStop.then(() => stops++, () => {});
        const seen = [];
        await new Promise((resolve, reject) => {
            const t = setTimeout(() => reject(new Error('log lines: ' + dc.outputs.join(''))), patience);
            dc.on('output', (e) => {
                if (/tick=\d+ state=\d+/.test(e.body.output)) seen.push(e.body.output);
                if (seen.length >= 3) { clearTimeout(t); resolve(); }
            });
        });
        const ticks = seen.map((l) => Number(/tick=(\d+)/.exec(l)[1]));
        assert.ok(ticks[2] > ticks[1] && ticks[1] > ticks[0], seen.join(''));
        assert.strictEqual(stops, 0);
        await dc.stop();
    });

    await step('a BASIC condition stops at the first dump that satisfies it, with the truth; a pulled line ends it', async () => {
        // The log point at Dumpw 5 shows each round's values as Dumpw 150 saw
        // them: the sensor's reading, and heating as the round before left it.
        const satisfied = (t, s, h) => t > s + 15 && h === 0;
        const { dc } = await open([[bas, [{ line: dumpw5, logMessage: 'round {tick}: {temperature} {setPoint} {heating}' }]]]);
        dc.firstStop.catch(() => {});
        const rounds = (from) => dc.outputs.slice(from).map((o) => / round (\d+): (-?\d+) (-?\d+) (\d+)/.exec(o))
            .filter((m) => m).map((m) => m.slice(1).map(Number));
        // Armed while the room is below the set-point, so rounds that do not
        // satisfy it come first.
        await until(() => 'a round below the set-point: ' + dc.outputs.slice(-3).join(''), () => rounds(0).some(([, t, s]) => t < s));
        const armedAt = dc.outputs.length;
        const firstStop = dc.waitForEvent('stopped');
        const set = await dc.setBreakpointsRequest({ source: { path: inc },
            breakpoints: [{ line: dumpw150, condition: 'TEMPERATURE > setpoint + 15 and Heating = 0' }] });
        assert.strictEqual(set.body.breakpoints[0].verified, true);
        const stopped = await firstStop.catch((e) => { throw new Error(e.message + dc.outputs.slice(-30).join('')); });
        assert.strictEqual(stopped.body.reason, 'data breakpoint');
        const frame = (await dc.stackTraceRequest({ threadId: 1 })).body.stackFrames[0];
        assert.strictEqual(path.basename(frame.source.path), 'Sensors.inc');
        assert.strictEqual(frame.line, dumpw150);
        const shown = await variables(dc);
        const terminated = dc.waitForEvent('terminated', patience);
        process.kill(Number(simPid), 'SIGTERM');
        await terminated;
        await until('the truth file', () => fs.existsSync(path.join(work, 'truth.json')));
        const truth = JSON.parse(fs.readFileSync(path.join(work, 'truth.json'), 'utf8'));
        assert.strictEqual(truth.DumpId, 150);
        assert.ok(truth.values.length > 20);
        // Arrays are compared through their elements, which the truth lists too.
        for (const t of truth.values.filter((t) => !(shown[t.VarLabel] && shown[t.VarLabel].variablesReference)))
            assert.strictEqual(shown[t.VarLabel] && shown[t.VarLabel].value, t.value, t.VarLabel);
        const value = (name) => Number(truth.values.find((t) => t.VarLabel === name).value);
        assert.ok(satisfied(value('temperature'), value('setPoint'), value('heating')), 'the stop does not satisfy it');
        // Every round whose Dumpw 150 came after the arming and before the
        // stop (those logged after the first one since) did not satisfy it.
        const before = rounds(armedAt).slice(1).filter(([tick]) => tick < value('tick'));
        process.stdout.write('(' + before.length + ' rounds before it) ');
        for (const [tick, t, s, h] of before)
            assert.ok(!satisfied(t, s, h), 'round ' + tick + ' satisfied it already');
        const lost = dc.outputs.filter((o) => /lost/.test(o));
        assert.strictEqual(lost.length, 1, dc.outputs.join(''));
        dc.stopAdapter();
    });
}

// A promise the client never settles leaves node without work: that is a failure too.
process.on('beforeExit', () => {
    if (!process.exitCode) {
        console.log('FAIL: the client waited for something that never came');
        process.exit(1);
    }
});
main().then(() => { console.log('PASS dap client'); process.exit(0); }, (e) => {
    console.log('FAIL: ' + (e && e.stack || e));
    process.exit(1);
});
