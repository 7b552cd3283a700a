// Starts "varnolux-cli dap" for the "varnolux" debug type: the configured
// program, else the one packed beside this file, else varnolux-cli on the PATH.
'use strict';
const vscode = require('vscode');
const fs = require('fs');
const path = require('path');

const bundledName = process.platform === 'win32' ? 'varnolux-cli.exe' : 'varnolux-cli';

function adapterPath(extensionPath) {
    const configured = vscode.workspace.getConfiguration('varnolux').get('adapterPath', '');
    if (configured) return configured;
    const bundled = path.join(extensionPath, bundledName);
    return fs.existsSync(bundled) ? bundled : 'varnolux-cli';
}

class AdapterFactory {
    constructor(extensionPath) {
        this.extensionPath = extensionPath;
    }
    createDebugAdapterDescriptor() {
        const program = adapterPath(this.extensionPath);
        if (path.isAbsolute(program) && !fs.existsSync(program)) {
            vscode.window.showErrorMessage(
                `Varnolux: the adapter ${program} does not exist (setting varnolux.adapterPath).`);
            return undefined;
        }
        return new vscode.DebugAdapterExecutable(program, ['dap']);
    }
}

// F5 without a launch.json: attach to the workspace's project with the
// settings file's port and rate.
class ConfigurationProvider {
    resolveDebugConfiguration(folder, config) {
        if (!config.type && !config.request && !config.name) {
            config.type = 'varnolux';
            config.request = 'attach';
            config.name = 'Varnolux: attach to the target';
        }
        if (!config.project && folder) config.project = folder.uri.fsPath;
        return config;
    }
}

function activate(context) {
    context.subscriptions.push(
        vscode.debug.registerDebugAdapterDescriptorFactory(
            'varnolux', new AdapterFactory(context.extensionPath)),
        vscode.debug.registerDebugConfigurationProvider('varnolux', new ConfigurationProvider()));
}

function deactivate() {}

module.exports = { activate, deactivate };
