<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>关于程序</source>
        <translation>About</translation>
    </message>
    <message>
        <source>版本号：</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>1.单号输入无误却显示单号不存在或错误</source>
        <translation>1. The number is right but is said not to exist or to be wrong</translation>
    </message>
    <message>
        <source>可能由于服务器正在进行数据更新,请您稍后再试</source>
        <translation>The server may be updating its data; please try again later</translation>
    </message>
    <message>
        <source>2.数据不同步,与官方显示的信息不一致</source>
        <translation>2. The steps differ from what the courier shows</translation>
    </message>
    <message>
        <source>由于本程序采用的是第三方信息资源,并非官方资源
所以很可能出现数据不同步、数据延缓现象,请稍等片刻</source>
        <translation>This program reads a third-party source, not the courier&apos;s own,
so its steps may lag behind or differ; please wait a while</translation>
    </message>
    <message>
        <source>联系方式：</source>
        <translation>Contact:</translation>
    </message>
    <message>
        <source>QQ交谈</source>
        <translation>Chat on QQ</translation>
    </message>
    <message>
        <source>发送E-mail</source>
        <translation>Send e-mail</translation>
    </message>
    <message>
        <source>ORVO系列软件官方论坛</source>
        <translation>ORVO software forum</translation>
    </message>
    <message>
        <source>访问ORVO系列软件官方论坛</source>
        <translation>Visit the ORVO software forum</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>版本号：%1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Banner设计：
感谢 %1 设计横幅 商务联系：%2

程序设计:
%3

音频提供:
感谢 %4 提供音效

相关问题：</source>
        <translation>Banner:
Thanks to %1 for the banner. Business: %2

Program:
%3

Sounds:
Thanks to %4 for the sounds

Questions:</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>QQ：%1</source>
        <translation>QQ: %1</translation>
    </message>
    <message>
        <source>E-mail：%1</source>
        <translation>E-mail: %1</translation>
    </message>
</context>
<context>
    <name>AddNumbersDialog</name>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>添加单号</source>
        <translation>Add numbers</translation>
    </message>
    <message>
        <source>单号，每行一个</source>
        <translation>Numbers, one a line</translation>
    </message>
    <message>
        <source>粘贴单号，每行一个，或以空格、逗号、顿号分开</source>
        <translation>Paste numbers, one a line, or apart by blanks or commas</translation>
    </message>
    <message>
        <source>待添加的单号</source>
        <translation>Numbers to add</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>无法建立文件夹 %1</source>
        <translation>Cannot make the folder %1</translation>
    </message>
</context>
<context>
    <name>BatchModel</name>
    <message>
        <source>单号</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>快递公司</source>
        <translation>Courier</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Outcome</translation>
    </message>
</context>
<context>
    <name>CompanyDelegate</name>
    <message>
        <source>%1的快递公司</source>
        <translation>Courier of %1</translation>
    </message>
</context>
<context>
    <name>CompanySearchDialog</name>
    <message>
        <source>搜索物流公司</source>
        <translation>Find a courier</translation>
    </message>
    <message>
        <source>请输入公司名称关键字</source>
        <translation>Type a word of the courier&apos;s name</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>常用物流公司</source>
        <translation>Common couriers</translation>
    </message>
    <message>
        <source>申通</source>
        <translation>STO</translation>
    </message>
    <message>
        <source>EMS</source>
        <translation>EMS</translation>
    </message>
    <message>
        <source>顺丰</source>
        <translation>SF</translation>
    </message>
    <message>
        <source>圆通</source>
        <translation>YTO</translation>
    </message>
    <message>
        <source>中通</source>
        <translation>ZTO</translation>
    </message>
    <message>
        <source>汇通</source>
        <translation>汇通</translation>
    </message>
    <message>
        <source>韵达</source>
        <translation>Yunda</translation>
    </message>
    <message>
        <source>程光</source>
        <translation>程光</translation>
    </message>
    <message>
        <source>全峰</source>
        <translation>全峰</translation>
    </message>
    <message>
        <source>宅急送</source>
        <translation>ZJS</translation>
    </message>
    <message>
        <source>请输入物流公司关键字</source>
        <translation>Please type a word of the courier&apos;s name</translation>
    </message>
</context>
<context>
    <name>CourierGuess</name>
    <message>
        <source>单号以%1开头，共%2位</source>
        <translation>Starts with %1, %2 characters</translation>
    </message>
    <message>
        <source>邮件号以E开头、CN结尾，校验位相符</source>
        <translation>Starts with E, ends with CN, check digit right</translation>
    </message>
    <message>
        <source>邮件号以CN结尾，校验位相符</source>
        <translation>Ends with CN, check digit right</translation>
    </message>
    <message>
        <source>%2位数字，以%1开头</source>
        <translation>%2 digits starting with %1</translation>
    </message>
    <message>
        <source>%2位数字，顺丰的旧单号</source>
        <translation>%2 digits, an old SF number</translation>
    </message>
    <message>
        <source>%2位数字</source>
        <translation>%2 digits</translation>
    </message>
</context>
<context>
    <name>CourierSuggestion</name>
    <message>
        <source>可能是</source>
        <translation>Possibly</translation>
    </message>
    <message>
        <source>单号对应的快递公司</source>
        <translation>Couriers of the number</translation>
    </message>
</context>
<context>
    <name>DBusNotifier</name>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>HistoryController</name>
    <message>
        <source>请先选择要删除的单号!</source>
        <translation>Please pick the number to delete first!</translation>
    </message>
    <message>
        <source>确定要删除[%1]此单号码?</source>
        <translation>Delete the number [%1]?</translation>
    </message>
    <message>
        <source>确定要清空查询列表吗?</source>
        <translation>Clear the list of numbers?</translation>
    </message>
    <message>
        <source>查询列表已清空...</source>
        <translation>The list of numbers is cleared...</translation>
    </message>
</context>
<context>
    <name>LoopPanel</name>
    <message>
        <source>循环查询功能</source>
        <translation>Repeated query</translation>
    </message>
    <message>
        <source>每隔</source>
        <translation>Ev.</translation>
    </message>
    <message>
        <source>循环查询间隔（分钟）</source>
        <translation>Interval of the repeated query (minutes)</translation>
    </message>
    <message>
        <source>分钟自动进行一次查询</source>
        <translation>minutes, query again</translation>
    </message>
    <message>
        <source>开始循环</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>定时查询</source>
        <translation>At a time</translation>
    </message>
    <message>
        <source>停止循环</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>请先查询单号后在使用本功能!</source>
        <translation>Please query a number before using this!</translation>
    </message>
    <message>
        <source>请先设定时间!</source>
        <translation>Please set the interval first!</translation>
    </message>
    <message>
        <source>当前正在循环查询,是否终止?</source>
        <translation>A repeated query is running. Stop it?</translation>
    </message>
    <message>
        <source>每隔</source>
        <comment>whole caption</comment>
        <translation>Every</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quillon V3 - 妈妈再也不用担心我的快递了呢~</source>
        <translation>Quillon V3 - no more worrying about my parcels~</translation>
    </message>
    <message>
        <source>物流信息:[F8快捷粘贴单号]</source>
        <translation>Parcel: [F8 pastes a number]</translation>
    </message>
    <message>
        <source>快件单号：</source>
        <translation>Number:</translation>
    </message>
    <message>
        <source>快件单号</source>
        <translation>Tracking number</translation>
    </message>
    <message>
        <source>删</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>清</source>
        <translation>Clr</translation>
    </message>
    <message>
        <source>物流公司：</source>
        <translation>Courier:</translation>
    </message>
    <message>
        <source>物流公司</source>
        <translation>Courier</translation>
    </message>
    <message>
        <source>快捷搜索</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>开始查询</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>快件状态：未查询</source>
        <translation>Status: not asked</translation>
    </message>
    <message>
        <source>是否更新：未查询</source>
        <translation>News: not asked</translation>
    </message>
    <message>
        <source>导出信息</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>关于程序</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Orvo系列软件</source>
        <translation>Orvo software</translation>
    </message>
    <message>
        <source>网点信息查询</source>
        <translation>Outlets</translation>
    </message>
    <message>
        <source>定时查询功能</source>
        <translation>Query at a time</translation>
    </message>
    <message>
        <source>循环查询功能</source>
        <translation>Repeated query</translation>
    </message>
    <message>
        <source>物流跟踪</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>全部快件</source>
        <translation>All parcels</translation>
    </message>
    <message>
        <source>当前没有物流信息</source>
        <translation>No steps to show</translation>
    </message>
    <message>
        <source>主窗口正在查询，请稍后再打开</source>
        <translation>The main window is querying; open it again later</translation>
    </message>
    <message>
        <source>程序检测更新中，请稍后再打开</source>
        <translation>Checking for updates; open it again later</translation>
    </message>
    <message>
        <source>主窗口正在定时或循环查询，请先停止再打开</source>
        <translation>A timed or repeated query is armed; stop it first</translation>
    </message>
    <message>
        <source>%1快递查询中...</source>
        <translation>Asking %1...</translation>
    </message>
    <message>
        <source>请输入快递单号!</source>
        <translation>Please type a tracking number!</translation>
    </message>
    <message>
        <source>请选择快递公司!</source>
        <translation>Please choose a courier!</translation>
    </message>
    <message>
        <source>查询完毕...</source>
        <translation>Done...</translation>
    </message>
    <message>
        <source>是否更新：有更新</source>
        <translation>News: moved</translation>
    </message>
    <message>
        <source>是否更新：无更新</source>
        <translation>News: none</translation>
    </message>
    <message>
        <source>感谢您对Pell、对Orvo系列的软件的支持!
 
是否退出并到论坛可以下载更多Orvo系列原创免费软件?</source>
        <translation>Thank you for using Pell&apos;s Orvo software!
 
Quit, and visit the forum for more free Orvo software?</translation>
    </message>
</context>
<context>
    <name>MonitorPanel</name>
    <message>
        <source>下次查询：%1</source>
        <translation>Next query: %1</translation>
    </message>
</context>
<context>
    <name>NumberBatch</name>
    <message>
        <source>已添加</source>
        <translation>Added</translation>
    </message>
    <message>
        <source>；未添加：</source>
        <translation>; not added: </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>；查询已停止，%1 个未查询</source>
        <translation>; stopped, %1 not asked</translation>
    </message>
    <message numerus="yes">
        <source>已添加 %n 个单号</source>
        <translation>
            <numerusform>Added %n number</numerusform>
            <numerusform>Added %n numbers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NumberPlan</name>
    <message>
        <source>不是单号</source>
        <translation>Not a number</translation>
    </message>
    <message>
        <source>未识别，请选择快递公司</source>
        <translation>Not recognised; choose the courier</translation>
    </message>
    <message>
        <source>未注明快递公司</source>
        <translation>No courier given</translation>
    </message>
    <message>
        <source>可能是 %1，请核对</source>
        <translation>Possibly %1; please check</translation>
    </message>
    <message>
        <source>重复，跳过</source>
        <translation>Repeated, skipped</translation>
    </message>
    <message>
        <source>文件中重复</source>
        <translation>Repeated in the file</translation>
    </message>
    <message>
        <source>已在单号记录中，跳过</source>
        <translation>Already in the list of numbers, skipped</translation>
    </message>
    <message>
        <source>已在列表中</source>
        <translation>Already in the list</translation>
    </message>
    <message>
        <source>已在列表中（%1）</source>
        <translation>Already in the list (%1)</translation>
    </message>
</context>
<context>
    <name>OutletDialog</name>
    <message>
        <source>网店信息查询</source>
        <translation>Outlet lookup</translation>
    </message>
    <message>
        <source>请输入您要查询的网点名称：</source>
        <translation>Outlet name:</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Look up</translation>
    </message>
    <message>
        <source>未查询</source>
        <translation>Not asked</translation>
    </message>
    <message>
        <source>网点名称：</source>
        <translation>Outlet:</translation>
    </message>
    <message>
        <source>负责人：</source>
        <translation>Manager:</translation>
    </message>
    <message>
        <source>联系电话：</source>
        <translation>Phone:</translation>
    </message>
    <message>
        <source>派送范围：</source>
        <translation>Delivers to:</translation>
    </message>
    <message>
        <source>不派送范围：</source>
        <translation>No delivery:</translation>
    </message>
    <message>
        <source>您查询的网点不存在!</source>
        <translation>No such outlet!</translation>
    </message>
    <message>
        <source>提示：</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>请输入要查询的网点名称</source>
        <translation>Type the name of an outlet</translation>
    </message>
    <message>
        <source>请输入您要查询的站点..</source>
        <translation>Please type the outlet to look up..</translation>
    </message>
    <message>
        <source>请输入您要查询的网点名称：</source>
        <comment>whole caption</comment>
        <translation>Name of the outlet to look up:</translation>
    </message>
    <message>
        <source>不派送范围：</source>
        <comment>whole caption</comment>
        <translation>Does not deliver to:</translation>
    </message>
</context>
<context>
    <name>OverviewWindow</name>
    <message>
        <source>CSV 文件 (*.csv);;文本文件 (*.txt);;所有文件 (*)</source>
        <translation>CSV files (*.csv);;Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>CSV 或文本文件 (*.csv *.txt);;</source>
        <translation>CSV or text files (*.csv *.txt);;</translation>
    </message>
    <message>
        <source>全部快件</source>
        <translation>All parcels</translation>
    </message>
    <message>
        <source>筛选</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>按单号、备注或快递公司筛选</source>
        <translation>Filter by number, note or courier</translation>
    </message>
    <message>
        <source>全部查询</source>
        <translation>Refresh all</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>添加单号</source>
        <translation>Add numbers</translation>
    </message>
    <message>
        <source>导入/导出</source>
        <translation>Import/Export</translation>
    </message>
    <message>
        <source>导入导出</source>
        <translation>Import and export</translation>
    </message>
    <message>
        <source>导出列表…</source>
        <translation>Export list…</translation>
    </message>
    <message>
        <source>导入列表…</source>
        <translation>Import list…</translation>
    </message>
    <message>
        <source>查询进度</source>
        <translation>Refresh progress</translation>
    </message>
    <message>
        <source>未查询</source>
        <translation>Not asked</translation>
    </message>
    <message>
        <source>自动查询</source>
        <translation>Auto refresh</translation>
    </message>
    <message>
        <source>不自动</source>
        <translation>Never</translation>
    </message>
    <message>
        <source>每30分钟</source>
        <translation>Every 30 min</translation>
    </message>
    <message>
        <source>每1小时</source>
        <translation>Every hour</translation>
    </message>
    <message>
        <source>每2小时</source>
        <translation>Every 2 hours</translation>
    </message>
    <message>
        <source>每4小时</source>
        <translation>Every 4 hours</translation>
    </message>
    <message>
        <source>归档</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>签收后多久从列表中归档</source>
        <translation>How long after signing a parcel leaves the list</translation>
    </message>
    <message>
        <source>立即</source>
        <translation>At once</translation>
    </message>
    <message>
        <source>1天</source>
        <translation>1 day</translation>
    </message>
    <message>
        <source>3天</source>
        <translation>3 days</translation>
    </message>
    <message>
        <source>7天</source>
        <translation>7 days</translation>
    </message>
    <message>
        <source>从不</source>
        <translation>Never</translation>
    </message>
    <message>
        <source>显示已归档</source>
        <translation>Show archived</translation>
    </message>
    <message>
        <source>备注最多%1个字，多出的部分未保留</source>
        <translation>A note keeps at most %1 characters; the rest was not kept</translation>
    </message>
    <message>
        <source>物流跟踪</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>物流进度</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>显示已归档（%1）</source>
        <translation>Show archived (%1)</translation>
    </message>
    <message>
        <source>查看</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>编辑备注</source>
        <translation>Edit note</translation>
    </message>
    <message>
        <source>取消归档</source>
        <translation>Unarchive</translation>
    </message>
    <message>
        <source>已归档 1 件，勾选 显示已归档 可见</source>
        <translation>1 parcel archived; check Show archived to see it</translation>
    </message>
    <message>
        <source>标记为已读</source>
        <translation>Mark as read</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>正在查询，请稍后再添加</source>
        <translation>A refresh is running; add them later</translation>
    </message>
    <message>
        <source>导出列表</source>
        <translation>Export list</translation>
    </message>
    <message>
        <source>导出失败，文件无法写入：</source>
        <translation>Export failed, the file cannot be written: </translation>
    </message>
    <message>
        <source>导入列表</source>
        <translation>Import list</translation>
    </message>
    <message>
        <source>

确定导入吗？</source>
        <translation>

Import them?</translation>
    </message>
    <message>
        <source>单号记录保存失败，未导入任何快件</source>
        <translation>The list of numbers could not be saved; nothing was imported</translation>
    </message>
    <message>
        <source>已%1</source>
        <translation>Done: %1</translation>
    </message>
    <message>
        <source>%1；%2</source>
        <translation>%1; %2</translation>
    </message>
    <message numerus="yes">
        <source>正在查询 %n 个单号...</source>
        <translation>
            <numerusform>Asking about %n number...</numerusform>
            <numerusform>Asking about %n numbers...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已导出 %n 件到 %1</source>
        <translation>
            <numerusform>Exported %n parcel to %1</numerusform>
            <numerusform>Exported %n parcels to %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ParcelFields</name>
    <message>
        <source>单号</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>快递公司</source>
        <translation>Courier</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>快件状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>最新时间</source>
        <translation>Latest time</translation>
    </message>
    <message>
        <source>最新进度</source>
        <translation>Latest step</translation>
    </message>
    <message>
        <source>步数</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>上次查询</source>
        <translation>Last asked</translation>
    </message>
    <message>
        <source>有更新</source>
        <translation>Moved</translation>
    </message>
    <message>
        <source>签收时间</source>
        <translation>Signed at</translation>
    </message>
    <message>
        <source>归档</source>
        <translation>Archived</translation>
    </message>
</context>
<context>
    <name>ParcelFile</name>
    <message>
        <source>栏数不对</source>
        <translation>wrong number of fields</translation>
    </message>
    <message>
        <source>无法读取文件：%1</source>
        <translation>Cannot read the file: %1</translation>
    </message>
    <message>
        <source>不是普通文件，无法导入：%1</source>
        <translation>Not a regular file, cannot import: %1</translation>
    </message>
    <message>
        <source>文件大于%1 MiB，无法导入</source>
        <translation>The file is larger than %1 MiB and cannot be imported</translation>
    </message>
    <message>
        <source>文件是空的，没有可导入的快件</source>
        <translation>The file is empty: nothing to import</translation>
    </message>
    <message>
        <source>文件不是UTF-8、UTF-16或GBK编码的文本，无法导入</source>
        <translation>The file is not text in UTF-8, UTF-16 or GBK and cannot be imported</translation>
    </message>
    <message>
        <source>文件不完整（在中途被截断），未导入任何快件</source>
        <translation>The file is incomplete (cut off part of the way); nothing was imported</translation>
    </message>
    <message>
        <source>文件超过%1行，无法导入</source>
        <translation>The file has more than %1 lines and cannot be imported</translation>
    </message>
    <message>
        <source>文件中没有可导入的快件</source>
        <translation>The file holds no parcel to import</translation>
    </message>
    <message>
        <source>无此快递公司「%1」</source>
        <translation>no courier &quot;%1&quot;</translation>
    </message>
    <message>
        <source>快递公司「%1」可指多家</source>
        <translation>courier &quot;%1&quot; could be several</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>。</source>
        <translation>.</translation>
    </message>
    <message>
        <source>
……</source>
        <translation>
…</translation>
    </message>
    <message>
        <source>第%1行 %2：%3</source>
        <translation>line %1 %2: %3</translation>
    </message>
    <message>
        <source>：</source>
        <translation>:</translation>
    </message>
    <message numerus="yes">
        <source>新增 %n 件</source>
        <translation>
            <numerusform>add %n parcel</numerusform>
            <numerusform>add %n parcels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>补充备注 %n 件</source>
        <translation>
            <numerusform>add notes to %n parcel</numerusform>
            <numerusform>add notes to %n parcels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>补充查询结果 %n 件</source>
        <translation>
            <numerusform>add results to %n parcel</numerusform>
            <numerusform>add results to %n parcels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>将%1，跳过 %n 件</source>
        <translation>
            <numerusform>This will %1 and skip %n</numerusform>
            <numerusform>This will %1 and skip %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ParcelNotification</name>
    <message>
        <source>快件有更新</source>
        <translation>Parcel moved</translation>
    </message>
    <message numerus="yes">
        <source>%n 件快件有更新</source>
        <translation>
            <numerusform>%n parcel moved</numerusform>
            <numerusform>%n parcels moved</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ParcelStore</name>
    <message>
        <source>快件记录已损坏，已移至%1并新建</source>
        <translation>The parcels&apos; record was damaged; it was moved to %1 and made anew</translation>
    </message>
    <message>
        <source>快件记录由更新版本的程序写成，本次仅保存在内存中</source>
        <translation>The parcels&apos; record was written by a newer version; this run keeps it in memory only</translation>
    </message>
    <message>
        <source>快件记录正被另一个程序使用，本次仅保存在内存中</source>
        <translation>Another program is using the parcels&apos; record; this run keeps it in memory only</translation>
    </message>
    <message>
        <source>快件记录没有读写权限，本次仅保存在内存中</source>
        <translation>The parcels&apos; record may not be read or written; this run keeps it in memory only</translation>
    </message>
    <message>
        <source>快件记录的位置是一个文件夹，本次仅保存在内存中</source>
        <translation>A folder stands where the parcels&apos; record goes; this run keeps it in memory only</translation>
    </message>
    <message>
        <source>快件记录无法打开，本次仅保存在内存中</source>
        <translation>The parcels&apos; record cannot be opened; this run keeps it in memory only</translation>
    </message>
    <message>
        <source>快件记录无法写入，本次仅保存在内存中</source>
        <translation>The parcels&apos; record cannot be written; this run keeps it in memory only</translation>
    </message>
    <message>
        <source>缺少SQLite驱动，快件记录无法打开，本次仅保存在内存中</source>
        <translation>Qt&apos;s SQLite driver is missing, so the parcels&apos; record cannot be opened; this run keeps it in memory only</translation>
    </message>
</context>
<context>
    <name>ParcelWords</name>
    <message>
        <source>未查询</source>
        <translation>Not asked</translation>
    </message>
    <message>
        <source>系统问题,暂不支持当前快递公司!</source>
        <translation>System problem: this courier is not supported for now!</translation>
    </message>
    <message>
        <source>查询失败</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>暂无物流信息</source>
        <translation>No steps yet</translation>
    </message>
    <message>
        <source>答案中没有物流信息</source>
        <translation>The answer had no steps</translation>
    </message>
    <message>
        <source>%1
上次结果：%2</source>
        <translation>%1
Last result: %2</translation>
    </message>
</context>
<context>
    <name>QueryInputs</name>
    <message>
        <source>物流信息 [当前支持:%1家物流公司]F8快捷粘贴单号</source>
        <translation>Parcel [%1 couriers] F8 pastes a number</translation>
    </message>
    <message>
        <source>找到【%1】，是否为您要找的公司?</source>
        <translation>Found [%1]. Is this the courier you want?</translation>
    </message>
</context>
<context>
    <name>QueryOutcome</name>
    <message>
        <source>单号格式错误!请检查!</source>
        <translation>The number is malformed! Please check it!</translation>
    </message>
    <message>
        <source>单号不存在!请检查!</source>
        <translation>No such number! Please check it!</translation>
    </message>
    <message>
        <source>系统问题,暂不支持当前快递公司!</source>
        <translation>System problem: this courier is not supported for now!</translation>
    </message>
    <message>
        <source>请输入正确的单号!</source>
        <translation>Please type a valid number!</translation>
    </message>
    <message>
        <source>查询失败,请检查网络后重试!</source>
        <translation>The query failed; check the network and try again!</translation>
    </message>
    <message>
        <source>暂无物流信息!</source>
        <translation>No steps yet!</translation>
    </message>
    <message>
        <source>快件状态：%1</source>
        <translation>Status: %1</translation>
    </message>
    <message>
        <source>派件中</source>
        <translation>Delivering</translation>
    </message>
    <message>
        <source>已签收</source>
        <translation>Signed for</translation>
    </message>
    <message>
        <source>运送中</source>
        <translation>In transit</translation>
    </message>
</context>
<context>
    <name>RefreshEngine</name>
    <message>
        <source>查询完毕</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>查询已停止</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>自动查询连续%1次失败，已停止</source>
        <translation>Auto refresh failed %1 times in a row and stopped</translation>
    </message>
    <message>
        <source>已查询 %1/%2</source>
        <translation>Asked %1/%2</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>，%n件有更新</source>
        <translation>
            <numerusform>, %n moved</numerusform>
            <numerusform>, %n moved</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ResultExport</name>
    <message>
        <source>成功导出全部数据!</source>
        <translation>All steps exported!</translation>
    </message>
    <message>
        <source>成功导出全部数据..</source>
        <translation>All steps exported..</translation>
    </message>
    <message>
        <source>没有可导出的数据!</source>
        <translation>No steps to export!</translation>
    </message>
    <message>
        <source>没有可导出的数据..</source>
        <translation>No steps to export..</translation>
    </message>
    <message>
        <source>数据导出失败!</source>
        <translation>The export failed!</translation>
    </message>
    <message>
        <source>数据导出失败..</source>
        <translation>The export failed..</translation>
    </message>
</context>
<context>
    <name>ResultList</name>
    <message>
        <source>时间:%1
物流进度:%2</source>
        <translation>Time: %1
Step: %2</translation>
    </message>
    <message>
        <source>物流跟踪信息</source>
        <translation>Step</translation>
    </message>
</context>
<context>
    <name>ResultModel</name>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>物流进度</source>
        <translation>Step</translation>
    </message>
</context>
<context>
    <name>SchedulePanel</name>
    <message>
        <source>定时查询功能</source>
        <translation>Query at a time</translation>
    </message>
    <message>
        <source>请设定时间：</source>
        <translation>Set the time:</translation>
    </message>
    <message>
        <source>定时查询：时</source>
        <translation>Query at: hour</translation>
    </message>
    <message>
        <source>时</source>
        <translation>h</translation>
    </message>
    <message>
        <source>定时查询：分</source>
        <translation>Query at: minute</translation>
    </message>
    <message>
        <source>分</source>
        <translation>m</translation>
    </message>
    <message>
        <source>开始定时</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>循环查询</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>关闭定时</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>请先查询单号后在使用定时功能!</source>
        <translation>Please query a number before setting a time!</translation>
    </message>
    <message>
        <source>请设定查询时间!</source>
        <translation>Please set the time!</translation>
    </message>
    <message>
        <source>当前正在定时查询,是否终止?</source>
        <translation>A timed query is armed. Stop it?</translation>
    </message>
    <message>
        <source>时</source>
        <comment>whole caption</comment>
        <translation>hour</translation>
    </message>
    <message>
        <source>分</source>
        <comment>whole caption</comment>
        <translation>minute</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>查询提示：</source>
        <translation>Query:</translation>
    </message>
    <message>
        <source>查询提示</source>
        <translation>Query</translation>
    </message>
    <message>
        <source>程序检测更新中..</source>
        <translation>Checking for updates..</translation>
    </message>
    <message>
        <source>消息</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Mirovel出品</source>
        <translation>By Mirovel</translation>
    </message>
    <message>
        <source>出品</source>
        <translation>Maker</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Orvo系列软件</source>
        <translation>Orvo software</translation>
    </message>
    <message>
        <source>单号记录保存失败!</source>
        <translation>The list of numbers could not be saved!</translation>
    </message>
    <message>
        <source>单号记录无法读取,本次不保存!</source>
        <translation>The list of numbers cannot be read and will not be saved this time!</translation>
    </message>
</context>
<context>
    <name>TrayLink</name>
    <message>
        <source>Quillon 仍在托盘中运行</source>
        <translation>Quillon is still running in the tray</translation>
    </message>
    <message>
        <source>单击托盘图标可显示窗口，在它的菜单中选择“退出”结束程序。</source>
        <translation>Click the tray icon to show the window; choose &quot;Quit&quot; in its menu to end the program.</translation>
    </message>
    <message>
        <source>显示主窗口</source>
        <translation>Show window</translation>
    </message>
    <message>
        <source>全部快件</source>
        <translation>All parcels</translation>
    </message>
    <message>
        <source>全部查询</source>
        <translation>Refresh all</translation>
    </message>
    <message>
        <source>关闭窗口时留在托盘</source>
        <translation>Stay in the tray when closed</translation>
    </message>
    <message>
        <source>登录时启动</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>无法写入登录时启动的设置：</source>
        <translation>Cannot write the login entry: </translation>
    </message>
    <message>
        <source>无法取消登录时启动：</source>
        <translation>Cannot remove the login entry: </translation>
    </message>
    <message numerus="yes">
        <source>Quillon
%n件快件有更新</source>
        <translation>
            <numerusform>Quillon
%n parcel moved</numerusform>
            <numerusform>Quillon
%n parcels moved</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>更新文件内容无效</source>
        <translation>The update file is not valid</translation>
    </message>
    <message>
        <source>发现最新版本![%1]<byte value="xd"/>
 <byte value="xd"/>
确定后自动打开官方论坛!</source>
        <translation>A newer version is out! [%1]<byte value="xd"/>
 <byte value="xd"/>
OK opens the forum!</translation>
    </message>
</context>
<context>
    <name>UpdateChecker</name>
    <message>
        <source>程序已加载完毕...</source>
        <translation>Ready...</translation>
    </message>
    <message>
        <source>Tiko提示</source>
        <translation>Tiko</translation>
    </message>
    <message>
        <source>检测更新失败!请您稍后再试,暂时使用原版</source>
        <translation>The update check failed! Please try again later; this version stays in use</translation>
    </message>
</context>
<context>
    <name>WebFetch</name>
    <message>
        <source>服务器返回空内容</source>
        <translation>The server answered nothing</translation>
    </message>
    <message>
        <source>服务器返回HTTP错误%1</source>
        <translation>The server answered HTTP error %1</translation>
    </message>
    <message>
        <source>无法连接服务器</source>
        <translation>Cannot connect to the server</translation>
    </message>
    <message>
        <source>服务器反复重定向,没有应答</source>
        <translation>The server kept redirecting and never answered</translation>
    </message>
    <message>
        <source>连接在应答中途断开</source>
        <translation>The connection broke during the answer</translation>
    </message>
    <message>
        <source>服务器未在%1秒内完成应答</source>
        <translation>The server did not answer within %1 s</translation>
    </message>
    <message>
        <source>应答超过32 MB</source>
        <translation>The answer is larger than 32 MB</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Quillon 已在另一台计算机 %1 上运行（进程号 %2，数据文件夹 %3），本次不再启动。
请在那台计算机上使用它；若它已无法使用，请在那台计算机上结束该进程后再启动。</source>
        <translation>Quillon runs on another computer, %1 (process %2, data folder %3), so it does not start here.
Please use it there; if it no longer responds, end that process there and start again.</translation>
    </message>
    <message>
        <source>Quillon 已在运行（进程号 %1，数据文件夹 %2），但没有回应，本次不再启动。
请切换到它的窗口；若它已无法使用，请结束该进程（例如 kill %1）后再启动。</source>
        <translation>Quillon is already running (process %1, data folder %2) but does not answer, so it does not start again.
Please switch to its window; if it no longer responds, end that process (kill %1, say) and start again.</translation>
    </message>
    <message>
        <source>Quillon 已在运行（数据文件夹 %1），但没有回应，本次不再启动。
无法读出它的进程号。请切换到它的窗口；若它已无法使用，请在进程列表中找到并结束它后再启动。</source>
        <translation>Quillon is already running (data folder %1) but does not answer, so it does not start again.
Its process id cannot be read. Please switch to its window; if it no longer responds, find it in the process list, end it and start again.</translation>
    </message>
    <message>
        <source>窗口不显示，只在托盘中运行（登录时启动所用）</source>
        <translation>Start hidden in the tray (as the login entry does)</translation>
    </message>
    <message>
        <source>界面语言：zh（中文）或 en（英文）</source>
        <translation>Language of the interface: zh (Chinese) or en (English)</translation>
    </message>
    <message>
        <source>未知的界面语言 %1，按系统语言选择</source>
        <translation>Unknown interface language %1; the desktop&apos;s language is used</translation>
    </message>
</context>
</TS>
